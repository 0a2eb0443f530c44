#pragma once
#include <QWizard>

// "Asistente de Configuración": a shop's first day, step by step. It opens by itself on the
// first login into a shop without the taxpayer's data, and from Herramientas at any time. Each
// step stores what it holds when the owner goes on ("Siguiente"); a step left incomplete is
// finished later (the welcome page shows what is still to do), and leaving the assistant keeps
// every step already stored.
class TFAsistente : public QWizard {
    Q_OBJECT
public:
    enum Page { WelcomePage, TaxpayerPage, InvoicingPage, PrinterPage, PasswordPage, UsersPage, ProductsPage };

    explicit TFAsistente(QWidget* parent = nullptr);

protected:
    bool event(QEvent* event) override;

private:
    // In the main window's frame, the frame's own window closes with the assistant.
    void closeFrame();
};

#pragma once
#include <QDate>
#include <QString>
#include <QStringList>

// The process-wide record every window reads: filled by the login, kept until the next login.
// Text widths are the most the program keeps; setters of longer values cut them (see Store...).
struct SessionState {
    // connection and user
    QString DatabasePath;
    QString UserLogin;       // lower-cased and trimmed; written into every Cajero/Usuario column
    QString UserPassword;    // exactly as typed at login
    QString AppFolder;       // folder of the program file, with trailing separator
    QString UserName;        // Usuario.Nombre
    QString SalesRights;     // Usuario.M1
    QString PurchaseRights;  // Usuario.M2
    QString ToolRights;      // Usuario.M3
    QString CashRights;      // Usuario.M4
    QString StoreRights;     // Usuario.M5

    // cash session
    int CashOpen = 0;
    QString CashSessionId;
    QDate WorkDate;
    double CashInitialAmount = 0;
    int ListYear = 0;

    // taxpayer (DatosC)
    QString TaxpayerNit;
    QString TaxpayerName;
    int BranchNumber = 0;
    QString HeadOfficePhone;
    QString HeadOfficeAddress;
    QString HeadOfficeCity;
    QString EconomicActivity;
    QString OwnerName;

    // active dosage
    int DosageId = 0;
    QString AuthorizationNumber;
    QString DosageKey;
    QDate InvoiceDeadline;
    QString InvoiceLegend;
    QStringList InvoiceLegendLines;
    QString BranchPhone;
    QString BranchAddress;
    QString BranchCity;

    // parameters (Codigos)
    int InvoicingEnabled = 0;
    int PrintFormat = 0;
    int TicketPrinterIndex = 0;

    // window-opening modes
    int WindowMode = 0;
    int AdminMode = 0;
    int MasterMode = 0;
    int PurchaseMode = 0;
    int CashMode = 0;
    int DataMode = 0;
    int LoginMode = 0;
    int SalesListGroup = 0;
    int SupplyListGroup = 0;

    static SessionState& current();
    // Back to the empty record of a fresh start (tests call it between cases).
    static void reset();
};

// Keeps at most `width` characters, as the record's text fields do.
QString CutToWidth(const QString& text, int width);

#pragma once
#include <QString>
#include <functional>

// The main window's status bar as the other windows see it: they write a panel's text (panel 3
// names the operation of the active window, the last one where tickets go when there is no
// printer) without knowing the main window. The main
// window installs the sink that paints; the texts are kept either way, so tests read them here.
class MainStatus {
public:
    static constexpr int kPanels = 9;
    static constexpr int kTicketsPanel = 8;
    static void setText(int panel, const QString& text);
    static QString text(int panel);
    static void installSink(std::function<void(int panel, const QString& text)> sink);
    static void clear();  // every panel empty, no sink
};

#include "data/MainStatus.h"

#include <array>

namespace {
std::array<QString, MainStatus::kPanels> g_texts;
std::function<void(int, const QString&)> g_sink;
}

void MainStatus::setText(int panel, const QString& text)
{
    if (panel < 0 || panel >= kPanels)
        return;
    g_texts[size_t(panel)] = text;
    if (g_sink)
        g_sink(panel, text);
}

QString MainStatus::text(int panel) { return panel >= 0 && panel < kPanels ? g_texts[size_t(panel)] : QString(); }

void MainStatus::installSink(std::function<void(int, const QString&)> sink) { g_sink = std::move(sink); }

void MainStatus::clear()
{
    g_texts.fill(QString());
    g_sink = nullptr;
}

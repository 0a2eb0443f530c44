#pragma once
#include "data/MessageSeam.h"

// The real boxes, parented to the active window. The window program installs them at start.
class DialogMessages : public MessageSeam {
public:
    void information(const QString& text) override;
    bool question(const QString& title, const QString& text) override;
    void error(const QString& text) override;
    void plain(const QString& text) override;
};

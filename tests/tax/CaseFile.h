#pragma once
#include <QString>

// The tax authority's certification cases, kept among the tests' own data so every clone
// certifies the control code. A missing file is a failure, never a reason to skip.
inline QString AuthorityCaseFile() { return QStringLiteral(CVI_SOURCE_DIR "/tests/tax/data/control-code-v7-cases.txt"); }

#pragma once
#include "data/ProgramEndSeam.h"

// Counts requests to end the program; the test process goes on.
class RecordingProgramEnd : public ProgramEndSeam {
public:
    void requestEnd() override { ++requests; }
    int requests = 0;
};

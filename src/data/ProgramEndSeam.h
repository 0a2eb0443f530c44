#pragma once

// Ending the program goes through here: the program quits its event loops, a test only sees the
// request and goes on.
class ProgramEndSeam {
public:
    virtual ~ProgramEndSeam() = default;
    virtual void requestEnd() = 0;

    static ProgramEndSeam& current();
    static void install(ProgramEndSeam* seam);  // nullptr puts the real one back
};

class ApplicationQuit : public ProgramEndSeam {
public:
    void requestEnd() override;
};

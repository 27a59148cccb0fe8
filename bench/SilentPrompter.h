#pragma once

#include "model/Prompter.h"

// Benchmarks run without anyone at the desk: every question is declined, every notice dropped.
class SilentPrompter : public Prompter {
public:
    Answer askYesNo(const QString&, const QString&, Answer = Answer::No) override { return Answer::No; }
    Answer askYesNoCancel(const QString&, const QString&, Answer = Answer::Cancel) override
    {
        return Answer::Cancel;
    }
    void inform(const QString&, const QString&) override {}
};

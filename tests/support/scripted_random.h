// A random source for tests: returns the scripted draws in order, then repeats the last one (or
// returns a constant). Records reseeds.
#pragma once

#include "common/random_source.h"

#include <QList>

#include <utility>

class ScriptedRandom final : public common::RandomSource {
public:
    explicit ScriptedRandom(QList<double> draws = {0.0}) : draws_(std::move(draws)) {}

    double draw() override
    {
        ++drawn;
        if (next_ < draws_.size()) return draws_[next_++];
        return draws_.isEmpty() ? 0.0 : draws_.last();
    }
    void reseed(double seed) override { reseeds.append(seed); }

    void script(QList<double> draws)
    {
        draws_ = std::move(draws);
        next_ = 0;
    }

    int drawn = 0;
    QList<double> reseeds;

private:
    QList<double> draws_;
    qsizetype next_ = 0;
};

// The demo chart as the save soak clients draw from it: the accounts of the
// balance a manual operation may post, each with the key values of the
// reference books of its analytic dimensions, and the branches. Read once
// per client; every line made from it passes the posting rules, except the
// refused lines, which leave out a value their account requires.
#pragma once
#include "OperByHandLines.h"
#include "SoakRandom.h"

#include <map>
#include <vector>

struct SoakAccount {
    CString code;             // nine digits
    int books[3] = {0, 0, 0}; // reference book of analytic dimensions 1-3 (0 none)
    bool debit = true;        // may be posted on the debit side
    bool credit = true;
    bool quantity = false;    // kept in quantities
};

class SoakChart {
public:
    // Reads the chart, the books its accounts name and the branches; false
    // when a read failed or nothing can be posted.
    bool Read();

    // A line the posting rules take: two different accounts, every analytic
    // value a key of its book, a quantity where an account keeps one, an
    // amount of whole kopecks.
    nledmark::COperLine Line(SoakRandom& random, int number) const;
    // A line the posting rules refuse: a value its debit account requires
    // is left out.
    nledmark::COperLine RefusedLine(SoakRandom& random) const;
    int Branch(SoakRandom& random) const;

private:
    void Fill(SoakRandom& random, const SoakAccount& account, nledmark::COperLine& line, int firstValue) const;

    std::vector<SoakAccount> debits_, credits_, withBooks_;
    std::map<int, std::vector<CString>> values_;
    std::vector<int> branches_;
};

#pragma once

#include "numbers/primes.h"
#include "widgets/long_text.h"

namespace zentaro::ui {

// The prime list as the long text field reads it: made a stretch at a time from
// the compact list, and shaped as runs of entries with as many digits.
class PrimeListText : public widgets::LongText {
public:
    explicit PrimeListText(numbers::primes::PrimeList list) : list_(std::move(list)) {}

    qsizetype size() const override { return list_.size(); }
    void read(qsizetype from, qsizetype n, char16_t* out) const override { list_.read(from, n, out); }
    std::vector<widgets::LineLayout::Run> shape() const override;
    bool write(qsizetype from, qsizetype to, const Sink& sink) const override;

private:
    numbers::primes::PrimeList list_;
};

} // namespace zentaro::ui

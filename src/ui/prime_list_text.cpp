#include "ui/prime_list_text.h"

namespace zentaro::ui {

// Every digit is as wide as any other in the faces the window uses, so an entry
// stands for all entries with as many digits.
std::vector<widgets::LineLayout::Run> PrimeListText::shape() const
{
    std::vector<widgets::LineLayout::Run> runs;
    for (const auto& run : list_.runs())
        runs.push_back({QStringLiteral("\u00A4   ") + QString(run.digits, u'0') + QStringLiteral("   "), run.entries});
    return runs;
}

bool PrimeListText::write(qsizetype from, qsizetype to, const Sink& sink) const
{
    return list_.write(from, to, [&sink](std::string_view piece) {
        return sink(QByteArrayView(piece.data(), static_cast<qsizetype>(piece.size())));
    });
}

} // namespace zentaro::ui

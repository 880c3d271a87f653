#pragma once

#include "conventions/dialogs.h"
#include "conventions/working.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace zentaro::statistics {

inline constexpr std::string_view kDataRequired = "Data Required";
// Only this exact reply to an x prompt ends the entry: '0', ' 00' and '000' are values.
inline constexpr std::string_view kFinishReply = "00";
inline constexpr int kMaxValues = 500;
// Blank, currency sign, blank: what stands after every value in the list.
inline constexpr std::string_view kListSeparator = " \u00A4 ";
inline constexpr std::string_view kPairsHeading = "The values of x & y that were entered are:  ";
inline constexpr std::string_view kNotANumber = "Please enter a number!";

// Pairs ask for x and y in turn; Values ask for x alone.
enum class EntryKind { Pairs, Values };

// Everything one run of the entry gathered. The sums grow as each value comes in;
// `list` is the text the list field shows at the end.
struct DataEntry {
    std::vector<double> x;
    std::vector<double> y;
    double sx = 0;
    double sxx = 0;
    double sy = 0;
    double sxy = 0;
    std::string list;
    // The entry ended by Cancel rather than by "00".
    bool cancelled = false;

    double count() const { return static_cast<double>(x.size()); }
    // Cancel before the first value: nothing was asked to be computed.
    bool abandoned() const { return cancelled && x.empty(); }
};

// Receives the whole list text each time it changes, so that a run-time error
// mid-way leaves the field with what had been appended by then.
using ShowList = std::function<void(std::string_view list)>;

// 'Enter the Value of x ( 1); "00" to finish' and 'Enter the Value of y ( 1)'.
std::string xprompt(int i);
std::string yprompt(int i);

// Asks for one value after another in input boxes titled "Data Required" until
// an x prompt is answered with exactly "00" or any prompt is cancelled (the
// empty reply); either way every value, every complete pair, entered so far is
// kept. An x reply is read leniently (text without a number is 0); a y reply
// that is not a number is refused with "Please enter a number!" and asked again.
// A 501st value raises Subscript out of range; sums beyond the double range,
// Overflow. Pairs are listed as ' 1, 2 ¤ ' under a heading, values as ' 1 ¤ '.
// The working gets a table, a row for each value as it comes in and the sums
// under it.
DataEntry enterdata(EntryKind kind, const AskInput& ask, const ShowMessage& message, const ShowList& show,
                    Working working = {});

} // namespace zentaro::statistics

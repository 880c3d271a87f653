#include "shell/calculator_catalogue.h"

#include "ui/physical_constants_window.h"
#include "ui/reciprocal_window.h"
#include "ui/regression_window.h"
#include "ui/statistics_window.h"

namespace zentaro::shell {
namespace {

template <typename Window> QWidget* Make()
{
    return new Window();
}

} // namespace

const std::vector<CalculatorEntry>& Calculators()
{
    // Column by column, top to bottom, as the buttons stand in the menu.
    static const std::vector<CalculatorEntry> table = {
        {"addsubcmd", "addsubfrm", nullptr},

        {"cmdfracs", "fractions", nullptr},

        {"baseconvcmd", "baseconvfrm", nullptr},

        {"Detcmd", "detfrm", nullptr},

        {"recilargecmd", "recifrm", &Make<ui::ReciprocalWindow>},

        {"gcdlcmcmd", "gcdlcmfrm", nullptr},

        {"randcmd", "randfrm", nullptr},

        {"romancmd", "romanfrm", nullptr},

        {"primenumcmd", "primfrm", nullptr},

        {"statscmd", "statisticsfrm", &Make<ui::StatisticsWindow>},

        {"regressioncmd", "regrnfrm", &Make<ui::RegressionWindow>},

        {"trianglecmd", "solvetrianglefrm", nullptr},

        {"quadcmd", "quadcubfrm", nullptr},

        {"phyconstcmd", "phyconstfrm", &Make<ui::PhysicalConstantsWindow>},

        {"vectorscmd", "vectorfrm", nullptr},

        {"Datecmd", "datecalcfrm", nullptr},

        {"lineqcmd", "eqsolvefrm", nullptr},
    };
    return table;
}

} // namespace zentaro::shell

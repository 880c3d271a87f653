#include "shell/calculator_catalogue.h"

#include "ui/determinant_window.h"
#include "ui/linear_system_window.h"
#include "ui/quadratic_window.h"
#include "ui/reciprocal_window.h"

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

        {"Detcmd", "detfrm", &Make<ui::DeterminantWindow>},

        {"recilargecmd", "recifrm", &Make<ui::ReciprocalWindow>},

        {"gcdlcmcmd", "gcdlcmfrm", nullptr},

        {"randcmd", "randfrm", nullptr},

        {"romancmd", "romanfrm", nullptr},

        {"primenumcmd", "primfrm", nullptr},

        {"statscmd", "statisticsfrm", nullptr},

        {"regressioncmd", "regrnfrm", nullptr},

        {"trianglecmd", "solvetrianglefrm", nullptr},

        {"quadcmd", "quadcubfrm", &Make<ui::QuadraticWindow>},

        {"phyconstcmd", "phyconstfrm", nullptr},

        {"vectorscmd", "vectorfrm", nullptr},

        {"Datecmd", "datecalcfrm", nullptr},

        {"lineqcmd", "eqsolvefrm", &Make<ui::LinearSystemWindow>},
    };
    return table;
}

} // namespace zentaro::shell

#include "shell/calculator_catalogue.h"

#include "ui/gcdlcm_window.h"
#include "ui/prime_window.h"
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

        {"Detcmd", "detfrm", nullptr},

        {"recilargecmd", "recifrm", &Make<ui::ReciprocalWindow>},

        {"gcdlcmcmd", "gcdlcmfrm", &Make<ui::GcdLcmWindow>},

        {"randcmd", "randfrm", nullptr},

        {"romancmd", "romanfrm", nullptr},

        {"primenumcmd", "primfrm", &Make<ui::PrimeWindow>},

        {"statscmd", "statisticsfrm", nullptr},

        {"regressioncmd", "regrnfrm", nullptr},

        {"trianglecmd", "solvetrianglefrm", nullptr},

        {"quadcmd", "quadcubfrm", nullptr},

        {"phyconstcmd", "phyconstfrm", nullptr},

        {"vectorscmd", "vectorfrm", nullptr},

        {"Datecmd", "datecalcfrm", nullptr},

        {"lineqcmd", "eqsolvefrm", nullptr},
    };
    return table;
}

} // namespace zentaro::shell

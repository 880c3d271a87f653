#include "shell/calculator_catalogue.h"

#include "ui/reciprocal_window.h"
#include "ui/triangle_window.h"
#include "ui/vector_window.h"

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

        {"statscmd", "statisticsfrm", nullptr},

        {"regressioncmd", "regrnfrm", nullptr},

        {"trianglecmd", "solvetrianglefrm", &Make<ui::TriangleWindow>},

        {"quadcmd", "quadcubfrm", nullptr},

        {"phyconstcmd", "phyconstfrm", nullptr},

        {"vectorscmd", "vectorfrm", &Make<ui::VectorWindow>},

        {"Datecmd", "datecalcfrm", nullptr},

        {"lineqcmd", "eqsolvefrm", nullptr},
    };
    return table;
}

} // namespace zentaro::shell

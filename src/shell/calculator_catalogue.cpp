#include "shell/calculator_catalogue.h"

#include "ui/add_sub_window.h"
#include "ui/base_conversion_window.h"
#include "ui/date_calc_window.h"
#include "ui/determinant_window.h"
#include "ui/fractions_window.h"
#include "ui/gcd_lcm_window.h"
#include "ui/linear_system_window.h"
#include "ui/physical_constants_window.h"
#include "ui/prime_window.h"
#include "ui/quadratic_window.h"
#include "ui/random_window.h"
#include "ui/reciprocal_window.h"
#include "ui/regression_window.h"
#include "ui/roman_window.h"
#include "ui/statistics_window.h"
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
        {"addsubcmd", "addsubfrm", &Make<ui::AddSubWindow>},

        {"cmdfracs", "fractions", &Make<ui::FractionsWindow>},

        {"baseconvcmd", "baseconvfrm", &Make<ui::BaseConversionWindow>},

        {"Detcmd", "detfrm", &Make<ui::DeterminantWindow>},

        {"recilargecmd", "recifrm", &Make<ui::ReciprocalWindow>},

        {"gcdlcmcmd", "gcdlcmfrm", &Make<ui::GcdLcmWindow>},

        {"randcmd", "randfrm", &Make<ui::RandomWindow>},

        {"romancmd", "romanfrm", &Make<ui::RomanWindow>},

        {"primenumcmd", "primfrm", &Make<ui::PrimeWindow>},

        {"statscmd", "statisticsfrm", &Make<ui::StatisticsWindow>},

        {"regressioncmd", "regrnfrm", &Make<ui::RegressionWindow>},

        {"trianglecmd", "solvetrianglefrm", &Make<ui::TriangleWindow>},

        {"quadcmd", "quadcubfrm", &Make<ui::QuadraticWindow>},

        {"phyconstcmd", "phyconstfrm", &Make<ui::PhysicalConstantsWindow>},

        {"vectorscmd", "vectorfrm", &Make<ui::VectorWindow>},

        {"Datecmd", "datecalcfrm", &Make<ui::DatecalcWindow>},

        {"lineqcmd", "eqsolvefrm", &Make<ui::LinearSystemWindow>},
    };
    return table;
}

} // namespace zentaro::shell

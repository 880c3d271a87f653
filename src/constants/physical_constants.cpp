#include "constants/physical_constants.h"

#include "conventions/numbers.h"

#include <array>
#include <cmath>

namespace zentaro::constants {
namespace {

constexpr std::array<Constant, 35> kCard = {{
    {"Frame1", "Label1", "e (natural logarithmic base)", "etext", ""},
    {"Frame1", "Label2", "pi", "pitext", ""},
    {"Frame1", "Label3", "ln 10 (natural log of 10)", "ln10text", ""},
    {"Frame2", "Label6", "1 Astronomical Unit (1 AU)", "Text3", "1.48955E+11 m"},
    {"Frame2", "Label5", "1 parsec", "Text2", "3.08561E+16 m"},
    {"Frame2", "Label4", "1 light year", "Text1", "9.4605E+15 m"},
    {"Frame2", "Label7", "Sun's radius", "Text4", "6.96E+08 m"},
    {"Frame2", "Label8", "Sun's mass", "Text5", "1.99E+30 kg"},
    {"Frame2", "Label9", "Moon's radius", "Text6", "1738 km"},
    {"Frame2", "Label10", "Moon's mass", "Text7", "7.349E+22 kg"},
    {"Frame2", "Label11", "Earth's mean radius", "Text8", "6371 km"},
    {"Frame2", "Label12", "Earth's mass", "Text9", "5.977E+24 kg"},
    {"Frame3", "Label19", "Speed of light in vacuum (c)", "Text16", "2.9979245908E+08 m/s"},
    {"Frame3", "Label20", "Permeability of free space", "Text17", ""},
    {"Frame3", "Label21", "Permittivity of free space", "Text18", "8.854191E-12 F/m"},
    {"Frame3", "Label18", "Elementary Charge (e)", "Text15", "1.6021927E-19 C"},
    {"Frame3", "Label17", "Planck's constant (h)", "Text14", "6.62605E-34 J-s"},
    {"Frame3", "Label16", "Quantum charge ratio (h/e)", "Text13", "4.13570814E-15 J-s/C"},
    {"Frame3", "Label15", "Gravitational Constant (G)", "Text12", "6.6733E-11 N-m\u00B2/kg\u00B2"},
    {"Frame5", "Label30", "Avogadro's constant (N)", "Text27", "6.022174E+23 /mol"},
    {"Frame5", "Label29", "Faraday (F)", "Text26", "9.648675E+04 C/mol"},
    {"Frame5", "Label28", "Normal Volume of Ideal Gas", "Text25", "2.2413630E-02 m\u00B3/mol"},
    {"Frame5", "Label31", "Universal Gas Constant (R)", "Text28", "8.31433 J/K/mol"},
    {"Frame5", "Label32", "Boltzmann's constant (k)", "Text29", "1.380626E-23 J/K"},
    {"Frame5", "Label33", "Stefan's constant", "Text30", "5.66969E-08 W/m\u00B2/K/K/K/K"},
    {"Frame4", "Label14", "Electron Rest Mass", "Text11", "9.109565E-31 kg"},
    {"Frame4", "Label13", "Electron Rest Energy", "Text10", "8.187266E-14 J"},
    {"Frame4", "Label23", "Electron e/m Ratio", "Text20", "1.7588035E+11 C/kg"},
    {"Frame4", "Label22", "Electron wavelength", "Text19", "2.4263107E-12 m"},
    {"Frame6", "Label26", "Proton Rest Mass", "Text23", "1.67261411E-27 kg"},
    {"Frame6", "Label27", "Proton Rest Energy", "Text24", "1.50327115E-10 J"},
    {"Frame6", "Label24", "Proton e/m Ratio", "Text21", "9.5789711E+07 C/kg"},
    {"Frame6", "Label25", "Proton wavelength", "Text22", "1.3214419E-15 m"},
    {"Frame7", "Label35", "Neutron Rest Mass", "Text32", "1.67492011E-27 kg"},
    {"Frame7", "Label34", "Neutron Rest Energy", "Text31", "1.50534315E-10 J"},
}};

} // namespace

std::span<const Constant> card()
{
    return kCard;
}

std::string naturalbase()
{
    return FormatPlain(std::exp(1.0));
}

std::string pi()
{
    return FormatPlain(std::atan(1.0) * 4);
}

std::string ln10()
{
    return FormatPlain(std::log(10.0));
}

std::string permeability()
{
    return FormatSpaced(std::atan(1.0) * 16) + "E-07 H/m";
}

} // namespace zentaro::constants

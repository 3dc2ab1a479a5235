// Coefficient tables of the AGA8-92DC equation ("DETAIL" characterization
// of AGA Report No. 8, 2nd edition 1994; ISO 12213-2): the 58 terms of the
// equation, the component parameters of the 21 components and the binary
// parameters, with the molar masses of the method.
//
// Every value is copied in the order and with the symbols of the published
// tables (components in the order of props/gas_eos.h); literals carry the L
// suffix.  tests/test_aga8_92dc.cpp checks the tables through the published
// check values of the equation.
#pragma once

#include <array>

#include "props/gas_eos.h"

namespace dorvel::aga8 {

// One term of the equation: a_n, b_n, c_n (1 where k_n != 0), k_n, u_n and
// the flags g_n, q_n, f_n, s_n, w_n.
struct Term {
  Real a;
  int b, c, k;
  Real u;
  int g, q, f, s, w;
};

// Component parameters: energy E_i [K], size K_i [(l/mol)^(1/3)],
// orientation G_i, quadrupole Q_i, high-temperature F_i, dipole S_i,
// association W_i.
struct Component {
  Real e, k, g, q, f, s, w;
};

// Binary parameters of the pair i < j (1-based component numbers).
struct Binary {
  int i, j;
  Real eStar, u, k, gStar;
};

// Molar masses M_i of the DETAIL method [g/mol] (Table C1).
inline constexpr std::array<Real, kGasComponents> kMolarMass = {
    16.043L,  // 1 methane
    28.0135L,  // 2 nitrogen
    44.01L,  // 3 carbon dioxide
    30.07L,  // 4 ethane
    44.097L,  // 5 propane
    58.123L,  // 6 isobutane
    58.123L,  // 7 n-butane
    72.15L,  // 8 isopentane
    72.15L,  // 9 n-pentane
    86.177L,  // 10 n-hexane
    100.204L,  // 11 n-heptane
    114.231L,  // 12 n-octane
    128.258L,  // 13 n-nonane
    142.285L,  // 14 n-decane
    2.0159L,  // 15 hydrogen
    31.9988L,  // 16 oxygen
    28.01L,  // 17 carbon monoxide
    18.0153L,  // 18 water
    34.082L,  // 19 hydrogen sulfide
    4.0026L,  // 20 helium
    39.948L,  // 21 argon
};

// Table A1: the 58 terms, n = 1..58: a_n, b_n, c_n, k_n, u_n, g_n, q_n, f_n, s_n, w_n.
inline constexpr std::array<Term, 58> kTerms = {{
    {0.1538326L, 1, 0, 0, 0.0L, 0, 0, 0, 0, 0},  // 1
    {1.341953L, 1, 0, 0, 0.5L, 0, 0, 0, 0, 0},  // 2
    {-2.998583L, 1, 0, 0, 1.0L, 0, 0, 0, 0, 0},  // 3
    {-0.04831228L, 1, 0, 0, 3.5L, 0, 0, 0, 0, 0},  // 4
    {0.3757965L, 1, 0, 0, -0.5L, 1, 0, 0, 0, 0},  // 5
    {-1.589575L, 1, 0, 0, 4.5L, 1, 0, 0, 0, 0},  // 6
    {-0.05358847L, 1, 0, 0, 0.5L, 0, 1, 0, 0, 0},  // 7
    {0.88659463L, 1, 0, 0, 7.5L, 0, 0, 0, 1, 0},  // 8
    {-0.71023704L, 1, 0, 0, 9.5L, 0, 0, 0, 1, 0},  // 9
    {-1.471722L, 1, 0, 0, 6.0L, 0, 0, 0, 0, 1},  // 10
    {1.32185035L, 1, 0, 0, 12.0L, 0, 0, 0, 0, 1},  // 11
    {-0.78665925L, 1, 0, 0, 12.5L, 0, 0, 0, 0, 1},  // 12
    {0.00000000229129L, 1, 1, 3, -6.0L, 0, 0, 1, 0, 0},  // 13
    {0.1576724L, 1, 1, 2, 2.0L, 0, 0, 0, 0, 0},  // 14
    {-0.4363864L, 1, 1, 2, 3.0L, 0, 0, 0, 0, 0},  // 15
    {-0.04408159L, 1, 1, 2, 2.0L, 0, 1, 0, 0, 0},  // 16
    {-0.003433888L, 1, 1, 4, 2.0L, 0, 0, 0, 0, 0},  // 17
    {0.03205905L, 1, 1, 4, 11.0L, 0, 0, 0, 0, 0},  // 18
    {0.02487355L, 2, 0, 0, -0.5L, 0, 0, 0, 0, 0},  // 19
    {0.07332279L, 2, 0, 0, 0.5L, 0, 0, 0, 0, 0},  // 20
    {-0.001600573L, 2, 1, 2, 0.0L, 0, 0, 0, 0, 0},  // 21
    {0.6424706L, 2, 1, 2, 4.0L, 0, 0, 0, 0, 0},  // 22
    {-0.4162601L, 2, 1, 2, 6.0L, 0, 0, 0, 0, 0},  // 23
    {-0.06689957L, 2, 1, 4, 21.0L, 0, 0, 0, 0, 0},  // 24
    {0.2791795L, 2, 1, 4, 23.0L, 1, 0, 0, 0, 0},  // 25
    {-0.6966051L, 2, 1, 4, 22.0L, 0, 1, 0, 0, 0},  // 26
    {-0.002860589L, 2, 1, 4, -1.0L, 0, 0, 1, 0, 0},  // 27
    {-0.008098836L, 3, 0, 0, -0.5L, 0, 1, 0, 0, 0},  // 28
    {3.150547L, 3, 1, 1, 7.0L, 1, 0, 0, 0, 0},  // 29
    {0.007224479L, 3, 1, 1, -1.0L, 0, 0, 1, 0, 0},  // 30
    {-0.7057529L, 3, 1, 2, 6.0L, 0, 0, 0, 0, 0},  // 31
    {0.5349792L, 3, 1, 2, 4.0L, 1, 0, 0, 0, 0},  // 32
    {-0.07931491L, 3, 1, 3, 1.0L, 1, 0, 0, 0, 0},  // 33
    {-1.418465L, 3, 1, 3, 9.0L, 1, 0, 0, 0, 0},  // 34
    {-5.99905E-17L, 3, 1, 4, -13.0L, 0, 0, 1, 0, 0},  // 35
    {0.1058402L, 3, 1, 4, 21.0L, 0, 0, 0, 0, 0},  // 36
    {0.03431729L, 3, 1, 4, 8.0L, 0, 1, 0, 0, 0},  // 37
    {-0.007022847L, 4, 0, 0, -0.5L, 0, 0, 0, 0, 0},  // 38
    {0.02495587L, 4, 0, 0, 0.0L, 0, 0, 0, 0, 0},  // 39
    {0.04296818L, 4, 1, 2, 2.0L, 0, 0, 0, 0, 0},  // 40
    {0.7465453L, 4, 1, 2, 7.0L, 0, 0, 0, 0, 0},  // 41
    {-0.2919613L, 4, 1, 2, 9.0L, 0, 1, 0, 0, 0},  // 42
    {7.294616L, 4, 1, 4, 22.0L, 0, 0, 0, 0, 0},  // 43
    {-9.936757L, 4, 1, 4, 23.0L, 0, 0, 0, 0, 0},  // 44
    {-0.005399808L, 5, 0, 0, 1.0L, 0, 0, 0, 0, 0},  // 45
    {-0.2432567L, 5, 1, 2, 9.0L, 0, 0, 0, 0, 0},  // 46
    {0.04987016L, 5, 1, 2, 3.0L, 0, 1, 0, 0, 0},  // 47
    {0.003733797L, 5, 1, 4, 8.0L, 0, 0, 0, 0, 0},  // 48
    {1.874951L, 5, 1, 4, 23.0L, 0, 1, 0, 0, 0},  // 49
    {0.002168144L, 6, 0, 0, 1.5L, 0, 0, 0, 0, 0},  // 50
    {-0.6587164L, 6, 1, 2, 5.0L, 1, 0, 0, 0, 0},  // 51
    {0.000205518L, 7, 0, 0, -0.5L, 0, 1, 0, 0, 0},  // 52
    {0.009776195L, 7, 1, 2, 4.0L, 0, 0, 0, 0, 0},  // 53
    {-0.02048708L, 8, 1, 1, 7.0L, 1, 0, 0, 0, 0},  // 54
    {0.01557322L, 8, 1, 2, 3.0L, 0, 0, 0, 0, 0},  // 55
    {0.006862415L, 8, 1, 2, 0.0L, 1, 0, 0, 0, 0},  // 56
    {-0.001226752L, 9, 1, 2, 1.0L, 0, 0, 0, 0, 0},  // 57
    {0.002850908L, 9, 1, 2, 0.0L, 0, 1, 0, 0, 0},  // 58
}};

// Table A2: component parameters E_i [K], K_i [(l/mol)^(1/3)], G_i, Q_i, F_i, S_i, W_i.
inline constexpr std::array<Component, kGasComponents> kComponents = {{
    {151.3183L, 0.4619255L, 0.0L, 0.0L, 0.0L, 0.0L, 0.0L},  // 1 methane
    {99.73778L, 0.4479153L, 0.027815L, 0.0L, 0.0L, 0.0L, 0.0L},  // 2 nitrogen
    {241.9606L, 0.4557489L, 0.189065L, 0.69L, 0.0L, 0.0L, 0.0L},  // 3 carbon dioxide
    {244.1667L, 0.5279209L, 0.0793L, 0.0L, 0.0L, 0.0L, 0.0L},  // 4 ethane
    {298.1183L, 0.583749L, 0.141239L, 0.0L, 0.0L, 0.0L, 0.0L},  // 5 propane
    {324.0689L, 0.6406937L, 0.256692L, 0.0L, 0.0L, 0.0L, 0.0L},  // 6 isobutane
    {337.6389L, 0.6341423L, 0.281835L, 0.0L, 0.0L, 0.0L, 0.0L},  // 7 n-butane
    {365.5999L, 0.6738577L, 0.332267L, 0.0L, 0.0L, 0.0L, 0.0L},  // 8 isopentane
    {370.6823L, 0.6798307L, 0.366911L, 0.0L, 0.0L, 0.0L, 0.0L},  // 9 n-pentane
    {402.636293L, 0.7175118L, 0.289731L, 0.0L, 0.0L, 0.0L, 0.0L},  // 10 n-hexane
    {427.72263L, 0.7525189L, 0.337542L, 0.0L, 0.0L, 0.0L, 0.0L},  // 11 n-heptane
    {450.325022L, 0.784955L, 0.383381L, 0.0L, 0.0L, 0.0L, 0.0L},  // 12 n-octane
    {470.840891L, 0.8152731L, 0.427354L, 0.0L, 0.0L, 0.0L, 0.0L},  // 13 n-nonane
    {489.558373L, 0.8437826L, 0.469659L, 0.0L, 0.0L, 0.0L, 0.0L},  // 14 n-decane
    {26.95794L, 0.3514916L, 0.034369L, 0.0L, 1.0L, 0.0L, 0.0L},  // 15 hydrogen
    {122.7667L, 0.4186954L, 0.021L, 0.0L, 0.0L, 0.0L, 0.0L},  // 16 oxygen
    {105.5348L, 0.4533894L, 0.038953L, 0.0L, 0.0L, 0.0L, 0.0L},  // 17 carbon monoxide
    {514.0156L, 0.3825868L, 0.3325L, 1.06775L, 0.0L, 1.5822L, 1.0L},  // 18 water
    {296.355L, 0.4618263L, 0.0885L, 0.633276L, 0.0L, 0.39L, 0.0L},  // 19 hydrogen sulfide
    {2.610111L, 0.3589888L, 0.0L, 0.0L, 0.0L, 0.0L, 0.0L},  // 20 helium
    {119.6299L, 0.4216551L, 0.0L, 0.0L, 0.0L, 0.0L, 0.0L},  // 21 argon
}};

// Table A3: binary parameters E*_ij, U_ij, K_ij, G*_ij of the pairs i < j (1-based
// component numbers); every pair not listed has all four equal to 1.
inline constexpr std::array<Binary, 61> kBinaries = {{
    {1, 2, 0.97164L, 0.886106L, 1.00363L, 1.0L},  // methane + nitrogen
    {1, 3, 0.960644L, 0.963827L, 0.995933L, 0.807653L},  // methane + carbon dioxide
    {1, 5, 0.994635L, 0.990877L, 1.007619L, 1.0L},  // methane + propane
    {1, 6, 1.01953L, 1.0L, 1.0L, 1.0L},  // methane + isobutane
    {1, 7, 0.989844L, 0.992291L, 0.997596L, 1.0L},  // methane + n-butane
    {1, 8, 1.00235L, 1.0L, 1.0L, 1.0L},  // methane + isopentane
    {1, 9, 0.999268L, 1.00367L, 1.002529L, 1.0L},  // methane + n-pentane
    {1, 10, 1.107274L, 1.302576L, 0.982962L, 1.0L},  // methane + n-hexane
    {1, 11, 0.88088L, 1.191904L, 0.983565L, 1.0L},  // methane + n-heptane
    {1, 12, 0.880973L, 1.205769L, 0.982707L, 1.0L},  // methane + n-octane
    {1, 13, 0.881067L, 1.219634L, 0.981849L, 1.0L},  // methane + n-nonane
    {1, 14, 0.881161L, 1.233498L, 0.980991L, 1.0L},  // methane + n-decane
    {1, 15, 1.17052L, 1.15639L, 1.02326L, 1.95731L},  // methane + hydrogen
    {1, 17, 0.990126L, 1.0L, 1.0L, 1.0L},  // methane + carbon monoxide
    {1, 18, 0.708218L, 1.0L, 1.0L, 1.0L},  // methane + water
    {1, 19, 0.931484L, 0.736833L, 1.00008L, 1.0L},  // methane + hydrogen sulfide
    {2, 3, 1.02274L, 0.835058L, 0.982361L, 0.982746L},  // nitrogen + carbon dioxide
    {2, 4, 0.97012L, 0.816431L, 1.00796L, 1.0L},  // nitrogen + ethane
    {2, 5, 0.945939L, 0.915502L, 1.0L, 1.0L},  // nitrogen + propane
    {2, 6, 0.946914L, 1.0L, 1.0L, 1.0L},  // nitrogen + isobutane
    {2, 7, 0.973384L, 0.993556L, 1.0L, 1.0L},  // nitrogen + n-butane
    {2, 8, 0.95934L, 1.0L, 1.0L, 1.0L},  // nitrogen + isopentane
    {2, 9, 0.94552L, 1.0L, 1.0L, 1.0L},  // nitrogen + n-pentane
    {2, 15, 1.08632L, 0.408838L, 1.03227L, 1.0L},  // nitrogen + hydrogen
    {2, 16, 1.021L, 1.0L, 1.0L, 1.0L},  // nitrogen + oxygen
    {2, 17, 1.00571L, 1.0L, 1.0L, 1.0L},  // nitrogen + carbon monoxide
    {2, 18, 0.746954L, 1.0L, 1.0L, 1.0L},  // nitrogen + water
    {2, 19, 0.902271L, 0.993476L, 0.942596L, 1.0L},  // nitrogen + hydrogen sulfide
    {3, 4, 0.925053L, 0.96987L, 1.00851L, 0.370296L},  // carbon dioxide + ethane
    {3, 5, 0.960237L, 1.0L, 1.0L, 1.0L},  // carbon dioxide + propane
    {3, 6, 0.906849L, 1.0L, 1.0L, 1.0L},  // carbon dioxide + isobutane
    {3, 7, 0.897362L, 1.0L, 1.0L, 1.0L},  // carbon dioxide + n-butane
    {3, 8, 0.726255L, 1.0L, 1.0L, 1.0L},  // carbon dioxide + isopentane
    {3, 9, 0.859764L, 1.0L, 1.0L, 1.0L},  // carbon dioxide + n-pentane
    {3, 10, 0.855134L, 1.066638L, 0.910183L, 1.0L},  // carbon dioxide + n-hexane
    {3, 11, 0.831229L, 1.077634L, 0.895362L, 1.0L},  // carbon dioxide + n-heptane
    {3, 12, 0.80831L, 1.088178L, 0.881152L, 1.0L},  // carbon dioxide + n-octane
    {3, 13, 0.786323L, 1.098291L, 0.86752L, 1.0L},  // carbon dioxide + n-nonane
    {3, 14, 0.765171L, 1.108021L, 0.854406L, 1.0L},  // carbon dioxide + n-decane
    {3, 15, 1.28179L, 1.0L, 1.0L, 1.0L},  // carbon dioxide + hydrogen
    {3, 17, 1.5L, 0.9L, 1.0L, 1.0L},  // carbon dioxide + carbon monoxide
    {3, 18, 0.849408L, 1.0L, 1.0L, 1.67309L},  // carbon dioxide + water
    {3, 19, 0.955052L, 1.04529L, 1.00779L, 1.0L},  // carbon dioxide + hydrogen sulfide
    {4, 5, 1.02256L, 1.065173L, 0.986893L, 1.0L},  // ethane + propane
    {4, 6, 1.0L, 1.25L, 1.0L, 1.0L},  // ethane + isobutane
    {4, 7, 1.01306L, 1.25L, 1.0L, 1.0L},  // ethane + n-butane
    {4, 8, 1.0L, 1.25L, 1.0L, 1.0L},  // ethane + isopentane
    {4, 9, 1.00532L, 1.25L, 1.0L, 1.0L},  // ethane + n-pentane
    {4, 15, 1.16446L, 1.61666L, 1.02034L, 1.0L},  // ethane + hydrogen
    {4, 18, 0.693168L, 1.0L, 1.0L, 1.0L},  // ethane + water
    {4, 19, 0.946871L, 0.971926L, 0.999969L, 1.0L},  // ethane + hydrogen sulfide
    {5, 7, 1.0049L, 1.0L, 1.0L, 1.0L},  // propane + n-butane
    {5, 15, 1.034787L, 1.0L, 1.0L, 1.0L},  // propane + hydrogen
    {6, 15, 1.3L, 1.0L, 1.0L, 1.0L},  // isobutane + hydrogen
    {7, 15, 1.3L, 1.0L, 1.0L, 1.0L},  // n-butane + hydrogen
    {10, 19, 1.008692L, 1.028973L, 0.96813L, 1.0L},  // n-hexane + hydrogen sulfide
    {11, 19, 1.010126L, 1.033754L, 0.96287L, 1.0L},  // n-heptane + hydrogen sulfide
    {12, 19, 1.011501L, 1.038338L, 0.957828L, 1.0L},  // n-octane + hydrogen sulfide
    {13, 19, 1.012821L, 1.042735L, 0.952441L, 1.0L},  // n-nonane + hydrogen sulfide
    {14, 19, 1.014089L, 1.046966L, 0.948338L, 1.0L},  // n-decane + hydrogen sulfide
    {15, 17, 1.1L, 1.0L, 1.0L, 1.0L},  // hydrogen + carbon monoxide
}};

}  // namespace dorvel::aga8

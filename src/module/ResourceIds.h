// Dialog template and control IDs that the language library provides and the dialogs use.
#pragma once

// Templates.
constexpr unsigned IDD_DRAWCOMMENT = 502;
constexpr unsigned IDD_ERASECOMMENT = 503;
constexpr unsigned IDD_VIEWING2D = 505;
constexpr unsigned IDD_INQUIREPOINT = 506;
constexpr unsigned IDD_INQUIRESTATISTICS = 507;
constexpr unsigned IDD_GRADUATE = 508;
constexpr unsigned IDD_MINIGRADUATE = 509;

// Controls. Some IDs serve in more than one template with different meanings (3056 is the
// statistics maximum and the range maximum; 3058 the mean and the graduation step).
constexpr unsigned IDC_APPLY = 3016;
constexpr unsigned IDC_CLOSE = 3019;
constexpr unsigned IDC_COMMENT = 3047;
constexpr unsigned IDC_FONT = 3048;
constexpr unsigned IDC_COMMENTLIST = 3049;
constexpr unsigned IDC_ZOOM = 3050;
constexpr unsigned IDC_UNZOOM = 3051;
constexpr unsigned IDC_PICKPOINT = 3052;
constexpr unsigned IDC_POINTX = 3053;
constexpr unsigned IDC_POINTY = 3054;
constexpr unsigned IDC_FIRSTX = 3055;
constexpr unsigned IDC_MAX = 3056;
constexpr unsigned IDC_MIN = 3057;
constexpr unsigned IDC_MEAN = 3058;
constexpr unsigned IDC_GRADSTEP = 3058;
constexpr unsigned IDC_SIGMA = 3059;
constexpr unsigned IDC_SECONDX = 3060;
constexpr unsigned IDC_DIFFCOEF = 3061;
constexpr unsigned IDC_RANGEAUTO = 3062;
constexpr unsigned IDC_RANGEMANUAL = 3063;
constexpr unsigned IDC_SMALLGRADSLIDER = 3065;
constexpr unsigned IDC_SMALLGRAD = 3066;
constexpr unsigned IDC_GRADAUTO = 3068;
constexpr unsigned IDC_GRADMANUAL = 3069;

// Labels and frames that code never addresses.
constexpr unsigned IDC_STATIC = 0xFFFF;

#include <ploxen/model/ManInt.h>

#include <cmath>

double com_GLManInt(double x) {
    return std::round(x);
}

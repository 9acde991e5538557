#include "CApi.h"

#include "lsqkern.h"

int32_t FitFromC(const double* x, const double* y, int32_t n, double* a, double* b) {
    double weights[9] = {0};
    lsq_fit_record record = {0};
    int32_t result;
    record.x = x;
    record.y = y;
    record.w = weights;
    record.n = n;
    record.status = 0;
    result = fit(&record);
    *a = record.a;
    *b = record.b;
    return result;
}

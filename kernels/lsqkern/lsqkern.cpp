// The line fit itself is GSL's ordinary least squares; this file only checks
// the record and turns a fit that has no answer into NaN results.

#include "lsqkern.h"

#include <gsl/gsl_fit.h>

#include <limits>

namespace {

void SetNotANumber(lsq_fit_record& record) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    record.a = record.b = nan;
    record.cov00 = record.cov01 = record.cov11 = record.sumsq = nan;
}

// GSL divides by the spread of x, which is zero when all x are equal.
bool AllSameX(const double* x, int32_t n) {
    for (int32_t i = 1; i < n; ++i) {
        if (x[i] != x[0]) return false;
    }
    return true;
}

}  // namespace

extern "C" LSQKERN_API int32_t fit(lsq_fit_record* record) {
    if (record == nullptr) return LSQ_BAD_RECORD;
    lsq_fit_record& r = *record;
    if (r.x == nullptr || r.y == nullptr) {
        r.status = LSQ_BAD_RECORD;
    } else if (r.n < 2) {
        SetNotANumber(r);
        r.status = LSQ_TOO_FEW_POINTS;
    } else if (AllSameX(r.x, r.n)) {
        SetNotANumber(r);
        r.status = LSQ_SAME_X;
    } else {
        gsl_fit_linear(r.x, 1, r.y, 1, static_cast<size_t>(r.n), &r.a, &r.b, &r.cov00, &r.cov01,
                       &r.cov11, &r.sumsq);
        r.status = LSQ_OK;
    }
    return r.status;
}

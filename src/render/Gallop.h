// Searches over vertex indices where a predicate, once true, stays true (x sorted).
#pragma once

// The first index in [lo, hi) where pred holds, hi when none: bisection.
template <class Pred> int firstWhere(int lo, int hi, Pred pred) {
    while (lo < hi) {
        const int mid = lo + (hi - lo) / 2;
        if (pred(mid))
            hi = mid;
        else
            lo = mid + 1;
    }
    return lo;
}

// The same in [lo, end], end + 1 when none, found from a guess in doubling steps and then by
// bisection: a few tests when the guess is close (the length of the previous pixel column).
template <class Pred> int gallopFrom(int guess, int lo, int end, Pred pred) {
    int hi = end + 1;
    if (pred(guess)) {
        hi = guess;
        for (int step = 1; hi - step >= lo; step *= 2) {
            if (!pred(hi - step)) {
                lo = hi - step + 1;
                break;
            }
            hi -= step;
        }
    } else {
        lo = guess + 1;
        for (int step = 1; lo + step - 1 <= end; step *= 2) {
            if (pred(lo + step - 1)) {
                hi = lo + step - 1;
                break;
            }
            lo += step;
        }
    }
    return firstWhere(lo, hi, pred);
}

#pragma once

// The arithmetic that pattern formulas are written in. A formula is written
// once, as a template over its number type, and runs either on plain doubles
// or on Lanes: a few pixels side by side, every operation applied to each lane
// in turn with the very same double operation. Lanes change no result; they
// only let the processor overlap the long chains of dependent libm calls of
// neighbouring pixels.

#include <cmath>

namespace zentrel {

inline double sin(double a) { return std::sin(a); }
inline double cos(double a) { return std::cos(a); }
inline double tan(double a) { return std::tan(a); }
inline double abs(double a) { return std::fabs(a); }
// p^q as the formulas mean it; 0^0 is 1, as std::pow has it.
inline double pow(double p, double q) { return std::pow(p, q); }

template <int N>
struct Lanes {
    double lane[N];

    Lanes() = default;
    explicit Lanes(double same)
    {
        for (double& v : lane) v = same;
    }
};

#define ZENTREL_LANEWISE_BINARY(op)                                                  \
    template <int N>                                                                 \
    inline Lanes<N> operator op(const Lanes<N>& p, const Lanes<N>& q)                \
    {                                                                                \
        Lanes<N> r;                                                                  \
        for (int i = 0; i < N; ++i) r.lane[i] = p.lane[i] op q.lane[i];              \
        return r;                                                                    \
    }                                                                                \
    template <int N>                                                                 \
    inline Lanes<N> operator op(const Lanes<N>& p, double q)                         \
    {                                                                                \
        Lanes<N> r;                                                                  \
        for (int i = 0; i < N; ++i) r.lane[i] = p.lane[i] op q;                      \
        return r;                                                                    \
    }                                                                                \
    template <int N>                                                                 \
    inline Lanes<N> operator op(double p, const Lanes<N>& q)                         \
    {                                                                                \
        Lanes<N> r;                                                                  \
        for (int i = 0; i < N; ++i) r.lane[i] = p op q.lane[i];                      \
        return r;                                                                    \
    }

ZENTREL_LANEWISE_BINARY(+)
ZENTREL_LANEWISE_BINARY(-)
ZENTREL_LANEWISE_BINARY(*)
ZENTREL_LANEWISE_BINARY(/)
#undef ZENTREL_LANEWISE_BINARY

template <int N>
inline Lanes<N> operator-(const Lanes<N>& p)
{
    Lanes<N> r;
    for (int i = 0; i < N; ++i) r.lane[i] = -p.lane[i];
    return r;
}

#define ZENTREL_LANEWISE_FUNCTION(name)                                              \
    template <int N>                                                                 \
    inline Lanes<N> name(const Lanes<N>& a)                                          \
    {                                                                                \
        Lanes<N> r;                                                                  \
        for (int i = 0; i < N; ++i) r.lane[i] = name(a.lane[i]);                     \
        return r;                                                                    \
    }

ZENTREL_LANEWISE_FUNCTION(sin)
ZENTREL_LANEWISE_FUNCTION(cos)
ZENTREL_LANEWISE_FUNCTION(tan)
ZENTREL_LANEWISE_FUNCTION(abs)
#undef ZENTREL_LANEWISE_FUNCTION

template <int N>
inline Lanes<N> pow(const Lanes<N>& p, const Lanes<N>& q)
{
    Lanes<N> r;
    for (int i = 0; i < N; ++i) r.lane[i] = pow(p.lane[i], q.lane[i]);
    return r;
}

template <int N>
inline Lanes<N> pow(const Lanes<N>& p, double q)
{
    Lanes<N> r;
    for (int i = 0; i < N; ++i) r.lane[i] = pow(p.lane[i], q);
    return r;
}

// The three colour components of a pixel before the clamp.
template <class V>
struct Mix {
    V red;
    V green;
    V blue;
};

}  // namespace zentrel

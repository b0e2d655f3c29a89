#pragma once

#include <complex>
#include <vector>

// The ideal points of a scheme as the receiver needs them: the catalogue's points for
// even- and odd-numbered symbols (they differ for the rotating PSK variants), the
// symmetry order that the power-law carrier estimators use, and fast nearest-point
// decisions.
class Constellation
{
public:
    using Point = std::complex<double>;

    // Builds everything from the catalogue's scheme of this id.
    void build(int modulationId);

    int modulationId() const { return m_id; }
    int size() const { return int(m_even.points.size()); }
    Point point(int symbol, bool odd) const { return (odd ? m_odd : m_even).points[size_t(symbol)]; }
    // Index of the nearest ideal point among the even (or odd) symbols' set.
    int decide(Point z, bool odd) const { return (odd ? m_odd : m_even).nearest(z); }

    bool isRotating() const { return m_rotating; }
    bool isDifferential() const { return m_differential; }
    bool isOffset() const { return m_offset; }
    // True when every point lies on the I axis (ASK, BPSK): quadrature impairments
    // cannot be told from the signal then.
    bool isReal() const { return m_real; }
    // Smallest m for which the m-th powers of the points do not average out.
    int symmetryOrder() const { return m_order; }
    // Mean m-th power of the ideal points (both sets): its phase is the constellation's own.
    Point powerReference() const { return m_reference; }
    double meanPower() const { return m_meanPower; }
    // Phase step between neighbouring points and the odd-symbol rotation of the PSK variants.
    double phaseStep() const { return m_phaseStep; }
    double oddRotation() const { return m_oddRotation; }

private:
    struct PointSet
    {
        std::vector<Point> points;
        // Nearest-point lookup: a grid of cells over the points' bounding box, each cell
        // listing the only points that can be nearest to anything inside it.
        double left = 0, bottom = 0, cellSize = 1;
        int cells = 1;
        std::vector<std::vector<int>> candidates;

        void prepareLookup();
        int nearest(Point z) const;
    };

    int m_id = -1;
    PointSet m_even;
    PointSet m_odd;
    bool m_rotating = false;
    bool m_differential = false;
    bool m_offset = false;
    bool m_real = false;
    int m_order = 1;
    Point m_reference = 1.0;
    double m_meanPower = 1.0;
    double m_phaseStep = 0.0;
    double m_oddRotation = 0.0;
};

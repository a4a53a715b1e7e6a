#include "trace/outline_pieces.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

#include "trace/cyclic_index.h"
#include "trace/edge_samples.h"
#include "trace/outline_rows.h"

namespace trace {

namespace {

// Samples left out at each end of a piece when it is fitted: near a corner
// the runs a sample reads reach across the other edge.
constexpr int kTrimSamples = 5;
// Fewer samples make no piece of their own.
constexpr int kMinPieceSamples = 3;
// How far a cut between two pieces may move in one round, and the rounds.
constexpr int kCutReach = 24;
constexpr int kCutRounds = 3;
// A squared distance counts at most this much when a cut is placed.
constexpr double kCutCap = 1.0;
// An arc in place of a line must lower the pieces' misfit (in capped
// squared dots) by this much.
constexpr double kArcGain = 0.5;
// A short piece this near to where its neighbours meet is a corner's debris.
constexpr double kDebrisReach = kEdgeReach + 2;
// More pieces in the coarse polygon than this make no outline worth fitting.
constexpr std::size_t kMaxCoarsePieces = 2000;
// Circles larger than this are lines.
constexpr double kMaxRadius = 1e6;

// The samples' spread across the edge (sigma) is estimated robustly from
// the median distance of each sample from the chord of its two neighbours:
// for independent normal errors that distance has a deviation of
// sqrt(1.5) sigma, whose median is 0.6745 of it; 1 / (0.6745 sqrt(1.5)).
constexpr double kMedianToSigma = 1.21;
// The neighbours' distances (in samples) the spread is taken over, and how
// much each counts: the waves of a texture show at the farther chord.
struct SpreadLag {
    int lag;
    double weight;
};
constexpr SpreadLag kSpreadLags[] = {{1, 1.0}, {2, 0.75}};
// A fit explains samples that lie no farther from it than this many
// sigmas, and no less than the floor (clean pictures have almost no spread).
constexpr double kLargestSigmas = 6;
constexpr double kLargestFloor = 0.5;
// ... and whose root-mean-square distance is within this many sigmas.
constexpr double kRmsSigmas = 2.5;
constexpr double kRmsFloor = 0.15;
// The tolerance of the coarse polygon, in sigmas and at least this.
constexpr double kChordSigmas = 8;
constexpr double kChordFloor = 1.0;

struct Trial {
    bool ok = false;
    PieceShape shape = PieceShape::Line;
    LineFit line;
    CircleFit circle;
    double cost = std::numeric_limits<double>::infinity();
};

class PieceFinder {
public:
    explicit PieceFinder(const std::vector<Point2>& samples) : s_(samples), n_(int(samples.size())) {
        // The samples' spread across the edge, from the median distance of
        // each from the chord of its neighbours: the next ones, and farther
        // ones too, which see the slower waves a texture leaves.
        double sigma = 0;
        for (const auto [lag, weight] : kSpreadLags) {
            std::vector<double> d;
            for (int i = 0; i < n_; ++i) {
                const Point2 a = At(i - lag), b = At(i), c = At(i + lag);
                const Point2 t = c - a;
                const double len = Length(t);
                if (len > 0) d.push_back(std::abs(Cross(t, b - 0.5 * (a + c))) / len);
            }
            if (d.empty()) continue;
            std::nth_element(d.begin(), d.begin() + std::ptrdiff_t(d.size() / 2), d.end());
            sigma = std::max(sigma, weight * kMedianToSigma * d[d.size() / 2]);
        }
        largest_ = std::max(kLargestFloor, kLargestSigmas * sigma);
        rms_ = std::max(kRmsFloor, kRmsSigmas * sigma);
        chord_ = std::max(kChordFloor, kChordSigmas * sigma);
    }

    Point2 At(int i) const { return CyclicAt(s_, i); }

    std::vector<Point2> Gather(int first, int count) const {
        std::vector<Point2> points;
        points.reserve(std::size_t(std::max(0, count)));
        for (int i = 0; i < count; ++i)
            points.push_back(At(first + i));
        return points;
    }

    // Fits the piece as the given shape, or as whichever explains it (a
    // line before a circle) when shape is empty. A whole loop is a circle.
    // The ends leave out up to trimFront and trimBack samples.
    Trial Fit(int first, int count, std::optional<PieceShape> shape = std::nullopt,
              int trimFront = kTrimSamples, int trimBack = kTrimSamples) const {
        Trial trial;
        count = std::min(count, n_);
        const bool closed = count == n_;
        const int front = closed ? 0 : std::min(trimFront, count / 4);
        const int back = closed ? 0 : std::min(trimBack, count / 4);
        const std::vector<Point2> points = Gather(first + front, count - front - back);
        if (points.size() < 3) return trial;
        auto fits = [&](const FitSpread& spread) { return spread.high <= largest_ && spread.rms <= rms_; };
        if (!closed) {
            trial.line = FitLine(points);
            FitSpread spread = SpreadOf(trial.line, points);
            WithoutOutliers(trial.line, spread, points,
                            [](const std::vector<Point2>& near) { return std::optional(FitLine(near)); });
            trial.cost = spread.high;
            trial.ok = fits(spread);
            if (shape == PieceShape::Line || (trial.ok && shape != PieceShape::Arc)) return trial;
        }
        auto fitCircle = [](const std::vector<Point2>& near) {
            std::optional<CircleFit> circle = FitCircle(near);
            return circle && circle->radius <= kMaxRadius ? circle : std::nullopt;
        };
        std::optional<CircleFit> circle = fitCircle(points);
        if (!circle) return trial;
        FitSpread spread = SpreadOf(*circle, points);
        WithoutOutliers(*circle, spread, points, fitCircle);
        if (shape == PieceShape::Arc || fits(spread) || spread.high < trial.cost) {
            trial.shape = PieceShape::Arc;
            trial.circle = *circle;
            trial.ok = fits(spread);
            trial.cost = spread.high;
        }
        return trial;
    }

    // When some samples lie beyond largest_ of the fit (spread: its spread
    // over them), the fit again by refit without those, if they are at most
    // a tenth; spread then becomes the new fit's over all the samples.
    template <class ShapeFit, class Refit>
    void WithoutOutliers(ShapeFit& fit, FitSpread& spread, const std::vector<Point2>& points,
                         Refit refit) const {
        if (spread.largest <= largest_) return;
        const std::vector<Point2> near = PointsNear(fit, points, largest_);
        if (near.size() < std::max<std::size_t>(3, points.size() - points.size() / 10)) return;
        if (const std::optional<ShapeFit> again = refit(near)) {
            fit = *again;
            spread = SpreadOf(fit, points);
        }
    }

    // The Ramer-Douglas-Peucker polygon of the closed chain: cut at the
    // sample farthest from the first, then each span at its sample farthest
    // from the chord, while that one lies beyond the tolerance.
    std::vector<OutlinePiece> CoarsePolygon() const {
        int far = 0;
        double farthest = -1;
        for (int i = 0; i < n_; ++i) {
            const double d = Length(At(i) - At(0));
            if (d > farthest) {
                farthest = d;
                far = i;
            }
        }
        std::vector<int> cuts{0};
        if (far > 0) cuts.push_back(far);
        std::vector<std::pair<int, int>> spans{{0, far > 0 ? far : n_}};
        if (far > 0) spans.emplace_back(far, n_);
        while (!spans.empty()) {
            const auto [a, b] = spans.back();
            spans.pop_back();
            const Point2 pa = At(a), pb = At(b);
            const Point2 chord = pb - pa;
            const double len = Length(chord);
            int worst = -1;
            double worstDistance = chord_;
            for (int i = a + 1; i < b; ++i) {
                const double d = len > 0 ? std::abs(Cross(chord, At(i) - pa)) / len : Length(At(i) - pa);
                if (d > worstDistance) {
                    worstDistance = d;
                    worst = i;
                }
            }
            if (worst < 0) continue;
            cuts.push_back(worst);
            spans.emplace_back(a, worst);
            spans.emplace_back(worst, b);
        }
        std::sort(cuts.begin(), cuts.end());
        std::vector<OutlinePiece> pieces;
        for (std::size_t k = 0; k < cuts.size(); ++k) {
            const int end = k + 1 < cuts.size() ? cuts[k + 1] : cuts[0] + n_;
            OutlinePiece piece;
            piece.first = cuts[k];
            piece.count = end - cuts[k];
            pieces.push_back(piece);
        }
        return pieces;
    }

    static int EndTrim(const OutlinePiece& piece) {
        return std::min(kTrimSamples, std::max(2, piece.count / 2));
    }

    // Bottom-up merging: neighbours join while one fit explains both, the
    // best-fitting pair first.
    void Merge(std::vector<OutlinePiece>& pieces) const {
        auto pairTrial = [&](std::size_t k) {
            const OutlinePiece& a = pieces[k];
            const OutlinePiece& b = pieces[(k + 1) % pieces.size()];
            // A short piece at an end keeps most of its samples: it joins
            // only when the fit explains them.
            return Fit(a.first, a.count + b.count, std::nullopt, EndTrim(a), EndTrim(b));
        };
        std::vector<Trial> trials;
        for (std::size_t k = 0; k < pieces.size(); ++k)
            trials.push_back(pairTrial(k));
        while (pieces.size() > 1) {
            std::size_t best = trials.size();
            for (std::size_t k = 0; k < trials.size(); ++k)
                if (trials[k].ok && (best == trials.size() || trials[k].cost < trials[best].cost)) best = k;
            if (best == trials.size()) return;
            const std::size_t next = (best + 1) % pieces.size();
            pieces[best].count += pieces[next].count;
            pieces.erase(pieces.begin() + std::ptrdiff_t(next));
            trials.erase(trials.begin() + std::ptrdiff_t(next));
            if (pieces.size() == 1) return;
            const std::size_t merged = next == 0 ? best - 1 : best;
            const std::size_t m = pieces.size();
            trials[merged] = pairTrial(merged);
            trials[(merged + m - 1) % m] = pairTrial((merged + m - 1) % m);
        }
    }

    // Piece k's samples shared out between its neighbours.
    static void Dissolve(std::vector<OutlinePiece>& pieces, std::size_t k) {
        const std::size_t m = pieces.size();
        OutlinePiece& before = pieces[(k + m - 1) % m];
        OutlinePiece& after = pieces[(k + 1) % m];
        const int toBefore = pieces[k].count / 2;
        before.count += toBefore;
        after.first = pieces[k].first + toBefore;
        after.count += pieces[k].count - toBefore;
        pieces.erase(pieces.begin() + std::ptrdiff_t(k));
    }

    // Pieces too short to fit, and short pieces lying where their
    // neighbours' fits meet (what a corner leaves in the samples next to
    // it), are shared out between their neighbours.
    void DropCornerDebris(std::vector<OutlinePiece>& pieces) const {
        for (std::size_t k = 0; k < pieces.size() && pieces.size() > 1;) {
            if (pieces[k].count < kMinPieceSamples) {
                Dissolve(pieces, k);
                continue;
            }
            const std::size_t m = pieces.size();
            if (m > 2 && pieces[k].count < 2 * kTrimSamples) {
                OutlinePiece before = pieces[(k + m - 1) % m], after = pieces[(k + 1) % m];
                Refit(before, std::nullopt);
                Refit(after, std::nullopt);
                const Point2 middle = At(pieces[k].first + pieces[k].count / 2);
                if (Length(Corner(before, after, middle) - middle) <= kDebrisReach) {
                    Dissolve(pieces, k);
                    continue;
                }
            }
            ++k;
        }
    }

    void Refit(OutlinePiece& piece, std::optional<PieceShape> shape) const {
        const Trial trial = Fit(piece.first, piece.count, shape);
        piece.shape = trial.shape;
        piece.line = trial.line;
        piece.circle = trial.circle;
    }

    double CappedSquare(const OutlinePiece& piece, int i) const {
        const double r =
            piece.shape == PieceShape::Line ? Residual(piece.line, At(i)) : Residual(piece.circle, At(i));
        return std::min(kCutCap, r * r);
    }

    // Moves the cut between each piece and the next to where the two fits
    // explain the samples around it best.
    void PlaceCuts(std::vector<OutlinePiece>& pieces) const {
        const std::size_t m = pieces.size();
        if (m < 2) return;
        for (std::size_t k = 0; k < m; ++k) {
            OutlinePiece& a = pieces[k];
            OutlinePiece& b = pieces[(k + 1) % m];
            const int cut = a.first + a.count;  // unwrapped
            const int end = cut + b.count;
            const int low = std::max(a.first + kMinPieceSamples, cut - kCutReach);
            const int high = std::min(end - kMinPieceSamples, cut + kCutReach);
            if (low > high) continue;
            // cost(c) = sum of a's misfit before c and b's from c on.
            double cost = 0;
            for (int i = low; i < high; ++i)
                cost += CappedSquare(b, i);
            double best = cost;
            int bestCut = low;
            for (int c = low + 1; c <= high; ++c) {
                cost += CappedSquare(a, c - 1) - CappedSquare(b, c - 1);
                if (cost < best) {
                    best = cost;
                    bestCut = c;
                }
            }
            a.count = bestCut - a.first;
            b.first = CyclicIndex(bestCut, n_);
            b.count = end - bestCut;
        }
    }

    // Rounds of moving the cuts, each piece refitted as its shape after each.
    void SettleCuts(std::vector<OutlinePiece>& pieces) const {
        for (int round = 0; round < kCutRounds && pieces.size() > 1; ++round) {
            PlaceCuts(pieces);
            for (OutlinePiece& piece : pieces)
                Refit(piece, piece.shape);
        }
    }

    // Every sample's capped squared distance from the fit of its piece.
    double Misfit(const std::vector<OutlinePiece>& pieces) const {
        double sum = 0;
        for (const OutlinePiece& piece : pieces)
            for (int i = piece.first; i < piece.first + piece.count; ++i)
                sum += CappedSquare(piece, i);
        return sum;
    }

    // A rounded corner whose ends the straight pieces beside it took, in
    // noise, leaves a short middle that a line explains too: the lines
    // bend to reach it and meet it at two corners. Each line piece between
    // two others is tried as an arc that takes back the ends beside it; the
    // arc stays where it explains the samples clearly better.
    void RestoreArcs(std::vector<OutlinePiece>& pieces) const {
        if (pieces.size() < 3) return;
        double misfit = Misfit(pieces);
        for (std::size_t k = 0; k < pieces.size(); ++k) {
            if (pieces[k].shape != PieceShape::Line || pieces[k].count > 2 * kCutReach) continue;
            std::vector<OutlinePiece> trial = pieces;
            const std::size_t m = trial.size();
            OutlinePiece& before = trial[(k + m - 1) % m];
            OutlinePiece& arc = trial[k];
            OutlinePiece& after = trial[(k + 1) % m];
            const int reach = std::min({kCutReach, before.count / 2, after.count / 2});
            before.count -= reach;
            arc.first = CyclicIndex(arc.first - reach, n_);
            arc.count += 2 * reach;
            after.first = CyclicIndex(after.first + reach, n_);
            after.count -= reach;
            Refit(arc, PieceShape::Arc);
            Refit(before, before.shape);
            Refit(after, after.shape);
            SettleCuts(trial);
            const double trialMisfit = Misfit(trial);
            if (trialMisfit < misfit - kArcGain) {
                pieces = std::move(trial);
                misfit = trialMisfit;
            }
        }
    }

private:
    const std::vector<Point2>& s_;
    int n_;
    double largest_ = kLargestFloor;  // a fit explains samples no farther than this
    double rms_ = kRmsFloor;          // ... and spread no more than this
    double chord_ = kChordFloor;      // the coarse polygon's tolerance
};

}  // namespace

std::optional<std::vector<OutlinePiece>> SplitIntoPieces(const std::vector<Point2>& samples) {
    if (samples.size() < std::size_t(3 * kMinPieceSamples)) return std::nullopt;
    const PieceFinder finder(samples);
    std::vector<OutlinePiece> pieces = finder.CoarsePolygon();
    // A ragged region (texture, noise) is no figure of lines and arcs.
    if (pieces.size() > kMaxCoarsePieces) return std::nullopt;
    finder.Merge(pieces);
    finder.DropCornerDebris(pieces);
    for (OutlinePiece& piece : pieces)
        finder.Refit(piece, std::nullopt);
    finder.SettleCuts(pieces);
    finder.RestoreArcs(pieces);
    if (pieces.size() == 1 && pieces[0].shape != PieceShape::Arc) return std::nullopt;
    return pieces;
}

}  // namespace trace

#pragma once
// The Husid picture, shared by the batch (NAMEhusid.png) and the windows:
// on one graph, the normalised Husid curve of every component against time
// over the whole record, the levels 5, 75 and 95 % dashed across the frame,
// a mark where each curve reaches each level, and a legend giving each
// component's significant durations D5-75 and D5-95 and its Arias intensity.
#include <span>

#include "plot/my_graph.h"
#include "record/seismic_record.h"
#include "wave/husid_curve.h"

namespace tremblo {

inline constexpr int HUSID_GRAPH_WIDTH = 700;
inline constexpr int HUSID_GRAPH_HEIGHT = 400;

// Most points drawn per curve: a longer record is drawn from every k-th sample
// (and its last), which a monotone curve of this width does not show.
inline constexpr int HUSID_MOST_POINTS = 4000;

// The graph as a window creates it: a 10-pixel font, cleared white.
void PrepareHusidGraph(TMyGraph& graph);

// Draws the curves of the record's components (RecordHusidCurves), a
// component without motion named in the legend without a curve. The
// graph's scale properties stay as drawn: time (s) across from 0, the
// normalised curve (0 to 1) up.
void DrawHusidCurves(TMyGraph& graph, const SeismicRecord& record, std::span<const HusidCurve> curves);

}  // namespace tremblo

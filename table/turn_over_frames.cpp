#include "table/turn_over_frames.h"

namespace table {

namespace {

enum Width { ThreeQuarters, Half, Edge, Whole };

struct Row {
    bool face;
    Width width;
};

// clang-format off
//                                     image  width
constexpr Row Frames[TurnOverFrames] = {{false, ThreeQuarters},
                                        {false, Half},
                                        {false, Edge},
                                        {true,  Edge},
                                        {true,  Half},
                                        {true,  ThreeQuarters},
                                        {true,  Whole}};
// clang-format on

}  // namespace

TurnOverFrame TurnOverFrameOf(int frame, int w) {
    const Row row = Frames[frame >= 0 && frame < TurnOverFrames ? frame : TurnOverFrames - 1];
    switch (row.width) {
        case ThreeQuarters:
            return {row.face, w / 4 * 3, w / 8};
        case Half:
            return {row.face, w / 2, w / 4};
        case Edge:
            return {row.face, 4, (w - 4) / 2};
        default:
            return {row.face, w, 0};
    }
}

}  // namespace table

// kirabo-art-bench [--ratio R] [resolution...]: how long the art takes to
// draw, at R device pixels to a table pixel (1 unless given).
//
// For each resolution given (all three by default), in this order, prints the
// time to draw what the main window needs to show a table at that resolution
// (the three card sets, the glow strip, the home-page label, a background and
// the panel sheets of a game) and then the rest of the resolution's images,
// which are drawn when first asked for (other backgrounds, banners, masks). The first resolution
// includes the one-time costs (title, icon, reading the deck, fonts), as at start-up; later ones
// are what a change of resolution costs.
#include <QElapsedTimer>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "assets/catalogue.h"
#include "platform/event_loop.h"

namespace {

double Draw(const std::vector<int>& numbers) {
    QElapsedTimer timer;
    timer.start();
    for (int number : numbers) assets::LoadImage(number);
    return timer.nsecsElapsed() / 1e6;
}

}  // namespace

int main(int argc, char** argv) {
    QElapsedTimer sinceStart;
    sinceStart.start();
    platform::InitToolPlatform(argc, argv);
    std::vector<int> resolutions;
    double ratio = 1.0;
    for (int i = 1; i < argc; ++i) {
        if (std::string(argv[i]) == "--ratio" && i + 1 < argc)
            ratio = std::atof(argv[++i]);
        else
            resolutions.push_back(std::atoi(argv[i]));
    }
    if (ratio >= 0.5 && ratio <= 8) assets::SetImageRatio(ratio);
    if (resolutions.empty()) resolutions = {0, 1, 2};
    static const char* const Names[3] = {"640x480", "800x600", "1024x768"};
    bool first = true;
    for (int r : resolutions) {
        if (r < 0 || r > 2) continue;
        double once = first ? Draw({assets::TitleImage, assets::IconImage}) : 0;
        // As the window prepares a table of Koi-Koi on felt: the cards and
        // the rest side by side. Then each kind alone, afresh.
        QElapsedTimer together;
        together.start();
        assets::PrepareTableImages(r, {300, 301, 700, 703, 704, 705});
        const double tTogether = together.nsecsElapsed() / 1e6;
        assets::SetImageRatio(ratio * 1.001);
        assets::SetImageRatio(ratio);
        std::vector<int> faces, turned, background, panels, strips;
        for (int card = 0; card <= 48; ++card) faces.push_back(assets::TableImage(card, r));
        for (int set : {100, 200})
            for (int card = 0; card <= 48; ++card)
                turned.push_back(assets::TableImage(set + card, r));
        double tFaces = Draw(faces), tTurned = Draw(turned);
        double tStrips = Draw({assets::TableImage(300, r), assets::TableImage(301, r)});
        double tBackground = Draw({assets::TableImage(700, r)});
        double tPanels = Draw(
            {assets::TableImage(703, r), assets::TableImage(704, r), assets::TableImage(705, r)});
        double table = tFaces + tTurned + tStrips + tBackground + tPanels;
        std::printf(
            "          prepared together %.0f ms; alone: faces %.0f, turned %.0f, glow and label "
            "%.0f, background %.0f, panels %.0f ms\n",
            tTogether, tFaces, tTurned, tStrips, tBackground, tPanels);
        std::vector<int> rest;
        for (int number : assets::AllImageNumbers())
            if (number >= assets::TableImage(0, r) && number < assets::TableImage(1000, r))
                rest.push_back(number);
        double others = Draw(rest);
        std::printf(
            "%-9s %s: table ready %.0f ms%s; the other images %.0f ms\n", Names[r],
            first ? "start-up" : "change  ", table,
            first ? (" (+ title and icon " + std::to_string(int(once + 0.5)) + " ms)").c_str() : "",
            others);
        if (first)
            std::printf("          process start to table ready: %.0f ms\n",
                        sinceStart.nsecsElapsed() / 1e6 - others);
        first = false;
    }
    return 0;
}

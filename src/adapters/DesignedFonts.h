#pragma once
// The layouts were drawn with Tahoma, Verdana and MS Sans Serif. Most Linux desktops have none
// of them, and the usual fallback is 10 to 17% wider, so titles overrun their places (the
// record title runs over the close button). Where a face is missing, a free face with the same
// metrics stands in for it: Wine's copies of Tahoma and MS Sans Serif (Debian's fonts-wine,
// which lives outside fontconfig's folders, so the game registers the files itself) and the
// Verdana-metric Veranda (fonts-arkpandora). Where the real face is installed (Windows, or a
// Linux machine that has it) nothing is done and the real face is used.
//
// Courier is left to the system on purpose: Wine's Courier holds a single 13-pixel bitmap size,
// while the font preview asks for 20 pixels, which the scalable monospace face fontconfig gives
// for Courier keeps. "Comic Suns MS" names no face anywhere.

#include <QFont>
#include <QString>
#include <QStringList>
#include <vector>

namespace harvesta::platform {

// When a stand-in is needed: registering a file costs a reading of the whole face, so the
// faces the main window's first frame does not show are registered right after it, before the
// windows that show them are made.
enum class FontStage { FirstFrame, Later };

// One face the layouts name and where its stand-in comes from.
struct FontStandIn {
    QString family;
    QStringList files;  // registered, all of them, when the family is missing
    QString substitute; // or an installed family with the same metrics
    FontStage stage = FontStage::FirstFrame;
};

// What became of one face.
struct FontResolution {
    enum Outcome {
        Installed,   // the real face is there (or was registered by an earlier call)
        Registered,  // the stand-in's files were registered under the family's name
        Substituted, // requests for the family go to the substitute
        Missing,     // no stand-in either: the platform's fallback draws it
    };
    QString family;
    Outcome outcome = Missing;
};

// The faces the layouts use, with the Debian locations of their stand-ins: all of them, or
// those of one stage.
const std::vector<FontStandIn>& DesignedFontStandIns();
std::vector<FontStandIn> DesignedFontStandIns(FontStage stage);

// Makes every face of `standIns` resolve to itself or its stand-in. Needs the application
// object; call it before the windows that use the faces are built, since labels sized before it
// keep their sizes. A family this process registered itself still takes further files (the bold
// face after the regular one); a file registered once is not registered again, so calling it
// again changes nothing. A missing or unreadable file is skipped quietly: the platform's
// fallback is still there.
std::vector<FontResolution>
InstallDesignedFonts(const std::vector<FontStandIn>& standIns = DesignedFontStandIns());

// The face to draw `designed` with at a device pixel ratio. A bitmap face (MS Sans Serif and
// its stand-in) was drawn for one pixel size: scaled, Qt keeps its 1x glyphs and spreads them
// apart. At any ratio but 1 it gives way to a scalable face with the same metrics: Microsoft
// Sans Serif where installed, else Tahoma set 3% tighter, which keeps every text of the about
// window within a pixel or two of its designed width. Scalable faces are kept as they are.
QFont FaceForDevicePixelRatio(const QFont& designed, double devicePixelRatio);

} // namespace harvesta::platform

#include "adapters/DesignedFonts.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>

namespace harvesta::platform {

namespace {

// Only the face's own name counts: QFontDatabase::hasFamily also accepts a fontconfig alias
// that leads to some other face, and then the stand-in would never be registered.
bool hasOwnFamily(const QString& family) {
    for (const QString& name : QFontDatabase::families()) {
        // "Family [Foundry]" where two foundries share the name.
        const QString bare = name.section(QLatin1String(" ["), 0, 0);
        if (bare.compare(family, Qt::CaseInsensitive) == 0) return true;
    }
    return false;
}

// What this process registered: the families are its own, not the system's, and the files are
// not read twice.
QStringList& ownFamilies() {
    static QStringList families;
    return families;
}

QStringList& registeredFiles() {
    static QStringList files;
    return files;
}

// Registers a file only if it holds the wanted family; anything else (an unreadable file, a
// different face under a familiar file name) is given back at once.
bool registerFile(const QString& file, const QString& family) {
    const int id = QFontDatabase::addApplicationFont(file);
    if (id < 0) return false;
    if (QFontDatabase::applicationFontFamilies(id).contains(family, Qt::CaseInsensitive)) {
        registeredFiles() << file;
        if (!ownFamilies().contains(family, Qt::CaseInsensitive)) ownFamilies() << family;
        return true;
    }
    QFontDatabase::removeApplicationFont(id);
    return false;
}

// A scalable face that keeps a bitmap face's widths, with the letter spacing it needs.
struct ScalableStandIn {
    const char* family;
    double spacingPercent;
};

} // namespace

QFont FaceForDevicePixelRatio(const QFont& designed, double devicePixelRatio) {
    if (devicePixelRatio == 1.0) return designed;
    if (designed.family().compare(QLatin1String("MS Sans Serif"), Qt::CaseInsensitive) != 0)
        return designed;
    const QFontInfo resolved(designed);
    if (QFontDatabase::isSmoothlyScalable(resolved.family(), resolved.styleName())) return designed;
    static constexpr ScalableStandIn kStandIns[] = {{"Microsoft Sans Serif", 100.0},
                                                    {"Tahoma", 97.0}};
    for (const ScalableStandIn& standIn : kStandIns) {
        if (!hasOwnFamily(QLatin1String(standIn.family))) continue;
        QFont scalable = designed;
        scalable.setFamily(QLatin1String(standIn.family));
        scalable.setLetterSpacing(QFont::PercentageSpacing, standIn.spacingPercent);
        return scalable;
    }
    return designed;
}

const std::vector<FontStandIn>& DesignedFontStandIns() {
    static const QString wine = QStringLiteral("/usr/share/wine/fonts/");
    static const std::vector<FontStandIn> standIns{
        // The main window's menu, title and counts.
        {"Tahoma", {wine + "tahoma.ttf"}, {}, FontStage::FirstFrame},
        {"Verdana", {}, "Veranda", FontStage::FirstFrame},
        // The best scores, about and manual windows.
        {"Tahoma", {wine + "tahomabd.ttf"}, {}, FontStage::Later},
        // The TrueType file with the 13-pixel bitmap: the .fon files of the same face come
        // out 40% wider under FreeType.
        {"MS Sans Serif", {wine + "ms_sans_serif.ttf"}, {}, FontStage::Later},
    };
    return standIns;
}

std::vector<FontStandIn> DesignedFontStandIns(FontStage stage) {
    std::vector<FontStandIn> some;
    for (const FontStandIn& standIn : DesignedFontStandIns())
        if (standIn.stage == stage) some.push_back(standIn);
    return some;
}

std::vector<FontResolution> InstallDesignedFonts(const std::vector<FontStandIn>& standIns) {
    std::vector<FontResolution> resolutions;
    for (const FontStandIn& standIn : standIns) {
        FontResolution resolution{standIn.family, FontResolution::Missing};
        const bool ours = ownFamilies().contains(standIn.family, Qt::CaseInsensitive);
        if (!ours && hasOwnFamily(standIn.family)) {
            resolution.outcome = FontResolution::Installed;
        } else {
            bool registered = false, registeredBefore = false;
            for (const QString& file : standIn.files) {
                if (registeredFiles().contains(file))
                    registeredBefore = true;
                else
                    registered = registerFile(file, standIn.family) || registered;
            }
            if (registered) {
                resolution.outcome = FontResolution::Registered;
            } else if (registeredBefore) {
                resolution.outcome = FontResolution::Installed;
            } else if (!standIn.substitute.isEmpty() && hasOwnFamily(standIn.substitute)) {
                QFont::insertSubstitution(standIn.family, standIn.substitute);
                resolution.outcome = FontResolution::Substituted;
            }
        }
        resolutions.push_back(resolution);
    }
    return resolutions;
}

} // namespace harvesta::platform

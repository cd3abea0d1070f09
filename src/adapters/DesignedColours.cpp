#include "adapters/DesignedColours.h"

#include <QWidget>

namespace harvesta::platform {

QPalette DesignedPalette() {
    const QColor face(240, 240, 240), light(227, 227, 227), shadow(160, 160, 160);
    QPalette palette;
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::Window, face);
        palette.setColor(group, QPalette::WindowText, Qt::black);
        palette.setColor(group, QPalette::Base, Qt::white);
        palette.setColor(group, QPalette::AlternateBase, QColor(247, 247, 247));
        palette.setColor(group, QPalette::ToolTipBase, QColor(255, 255, 225));
        palette.setColor(group, QPalette::ToolTipText, Qt::black);
        palette.setColor(group, QPalette::PlaceholderText, QColor(109, 109, 109));
        palette.setColor(group, QPalette::Text, Qt::black);
        palette.setColor(group, QPalette::Button, face);
        palette.setColor(group, QPalette::ButtonText, Qt::black);
        palette.setColor(group, QPalette::BrightText, Qt::white);
        palette.setColor(group, QPalette::Light, Qt::white);
        palette.setColor(group, QPalette::Midlight, light);
        palette.setColor(group, QPalette::Dark, shadow);
        palette.setColor(group, QPalette::Mid, shadow);
        palette.setColor(group, QPalette::Shadow, QColor(105, 105, 105));
        palette.setColor(group, QPalette::Highlight, QColor(0, 120, 215));
        palette.setColor(group, QPalette::HighlightedText, Qt::white);
        palette.setColor(group, QPalette::Link, Qt::blue);
        palette.setColor(group, QPalette::LinkVisited, QColor(128, 0, 128));
    }
    // Disabled: the same faces with grey text.
    for (int role = 0; role < QPalette::NColorRoles; ++role) {
        const auto r = QPalette::ColorRole(role);
        if (r == QPalette::NoRole) continue;
        palette.setColor(QPalette::Disabled, r, palette.color(QPalette::Active, r));
    }
    for (const QPalette::ColorRole text :
         {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, text, QColor(109, 109, 109));
    return palette;
}

void UseDesignedColours(QWidget& window, QColor face) {
    QPalette palette = DesignedPalette();
    palette.setColor(QPalette::Window, face);
    window.setPalette(palette);
}

} // namespace harvesta::platform

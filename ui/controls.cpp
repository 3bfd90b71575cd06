// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/controls.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QFrame>
#include <QIcon>
#include <QIconEngine>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QStyle>
#include <QStyleFactory>
#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <vector>

#include "resources/images.h"

namespace octaval {
namespace {

// Letters drawn closer than this, in pixels, harm legibility more than cutting the text off.
constexpr qreal maxTightening = 1.0;

// A line edit's text starts this far inside its edges: frame and margin on both sides, less the
// margin that we take back (below).
constexpr int boxTextInset = 4;

// The platform's interface face at 8 pt, the classic size for which the boxes and notes were
// sized.
QFont classicSizeFont() {
    QFont font = QApplication::font();
    font.setPointSizeF(8);
    return font;
}

// A text that must show in full in a control of the given width.
struct Sample {
    QString text;
    int width;
};

// The font at the largest size up to `points` at which every sample fits. The size is estimated
// from the font as given (the interface size, whose glyphs the buttons load anyway) and checked
// in the result, so that no size is loaded only to be measured.
QFont shrunkToFit(QFont font, qreal points, const std::vector<Sample>& samples) {
    const auto scaleToFit = [&samples](const auto& metrics, qreal scale) {
        qreal fit = 1;
        for (const Sample& sample : samples)
            fit = std::min(fit, sample.width / (metrics.horizontalAdvance(sample.text) * scale));
        return fit;
    };
    // The resolved size: pointSizeF() is -1 for a font set in pixels.
    const qreal estimate = scaleToFit(QFontMetricsF(font), points / QFontInfo(font).pointSizeF());
    font.setPointSizeF(std::floor(points * estimate * 10) / 10);
    // Hinting and rounding can leave the estimate a little too large. The check uses the
    // whole-pixel advances with which the boxes draw (Windows' GDI draws every glyph at a whole
    // pixel's advance), and steps down until every sample fits: a size a tenth of a point smaller
    // may still be drawn at the same whole-pixel height.
    if (const qreal check = scaleToFit(QFontMetrics(font), 1); check < 1)
        font.setPointSizeF(std::floor(font.pointSizeF() * check * 10) / 10);
    while (scaleToFit(QFontMetrics(font), 1) < 1 && font.pointSizeF() > 1)
        font.setPointSizeF(std::round(font.pointSizeF() * 10 - 1) / 10);
    return font;
}

// The font at `points`, its letters drawn closer together where a sample would not fit.
QFont tightenedToFit(QFont font, qreal points, const std::vector<Sample>& samples) {
    font.setPointSizeF(points);
    const QFontMetricsF metrics(font);
    qreal spacing = 0;
    for (const Sample& sample : samples) {
        const qreal excess = metrics.horizontalAdvance(sample.text) - sample.width;
        if (excess > 0) spacing = std::min(spacing, -excess / qreal(sample.text.size()));
    }
    if (spacing < 0)
        font.setLetterSpacing(QFont::AbsoluteSpacing, std::max(spacing, -maxTightening));
    return font;
}

// The fonts of one window's controls, each made once. Today's faces are wider than the classic
// ones for which the controls were sized, so fonts give way where the widest text that their
// controls show would not fit: the boxes' font, whose size is ours to choose, gets smaller; the
// captions keep their size and draw their letters a little closer.
class Fonts {
public:
    explicit Fonts(std::span<const Control> controls) : m_controls(controls) {
        // MS Sans Serif where it is installed, otherwise the platform's default sans-serif face.
        const QString classic = QStringLiteral("MS Sans Serif");
        // The list of installed families is at hand; hasFamily() would also ask fontconfig to
        // resolve the name as an alias, which costs milliseconds at start-up.
        if (QFontDatabase::families().contains(classic, Qt::CaseInsensitive))
            m_labelFace.setFamilies({classic});
    }

    /// The font of a control; nullptr for the window's own.
    const QFont* of(const Control& control) {
        switch (control.kind) {
            case ControlKind::caption:
                return cached(m_caption, [&] {
                    std::vector<Sample> captions;
                    for (const Control& c : m_controls)
                        if (c.kind == ControlKind::caption)
                            captions.push_back({QString::fromUtf8(c.text), fromTwips(c.width)});
                    return tightenedToFit(m_labelFace, 9.75, captions);
                });
            case ControlKind::dot:
                return cached(m_dot, [&] {
                    QFont font = m_labelFace;
                    font.setPointSizeF(12);
                    font.setWeight(QFont::Bold);
                    return font;
                });
            case ControlKind::inputBox:
            case ControlKind::octetBox:
            case ControlKind::resultBox:
                // One font for the octet and result boxes, at most the classic size, in which
                // they show the widest texts that they can get in full. The status box scrolls:
                // it keeps the window's font.
                return cached(m_box, [&] {
                    const int result = textWidth(ControlKind::resultBox);
                    return shrunkToFit(QApplication::font(), classicSizeFont().pointSizeF(),
                                       {{QStringLiteral("255"), textWidth(ControlKind::octetBox)},
                                        {QStringLiteral("23 bits, 8388606 subnets"), result},
                                        {QStringLiteral("24 bits, 16777214 hosts"), result}});
                });
            case ControlKind::note:
                return cached(m_note, [] { return classicSizeFont(); });
            default:
                return nullptr;
        }
    }

private:
    template <typename Make>
    static const QFont* cached(std::optional<QFont>& slot, Make make) {
        if (!slot) slot = make();
        return &*slot;
    }

    // Room for text in the first box of a kind; unlimited when the window has none.
    int textWidth(ControlKind kind) const {
        for (const Control& control : m_controls)
            if (control.kind == kind) return fromTwips(control.width) - boxTextInset;
        return std::numeric_limits<int>::max();
    }

    std::span<const Control> m_controls;
    QFont m_labelFace = QApplication::font();
    std::optional<QFont> m_caption, m_dot, m_box, m_note;
};

// WCAG's relative luminance of a colour.
qreal luminance(const QColor& colour) {
    const auto linear = [](qreal c) {
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
           0.0722 * linear(colour.blueF());
}

qreal contrast(const QColor& a, const QColor& b) {
    // The list form returns values: the two-argument form would return references to the
    // temporaries, which end with this line.
    const auto [dark, light] = std::minmax({luminance(a), luminance(b)});
    return (light + 0.05) / (dark + 0.05);
}

// Contrast of the output boxes' text colour. WCAG asks 4.5:1 of text this size and 7:1 for its
// higher level; small glyphs are drawn partly in blends with the background, so the colour itself
// needs more for its pixels to reach 7:1.
constexpr qreal outputContrast = 12;

// The platform's disabled style draws text too faint to read (1.5:1 in Qt's light palette). An
// output box keeps its disabled panel but gets the faintest mix of the disabled and the normal
// text colour that still reads at `outputContrast`, or at three quarters of the normal text's
// contrast where the palette has less to give: dimmer than the other boxes, yet legible. Set on
// the window, whose disabled controls are the output boxes, from the application's palette.
void setLegibleDisabledText(QWidget* window) {
    const QPalette palette = QApplication::palette(window);
    const QColor panel = palette.color(QPalette::Disabled, QPalette::Base);
    const QColor faint = palette.color(QPalette::Disabled, QPalette::Text);
    const QColor full = palette.color(QPalette::Active, QPalette::Text);
    const qreal wanted = std::min(outputContrast, 0.75 * contrast(full, panel));
    QColor text = full;
    for (int step = 0; step < 20; ++step) {
        const qreal t = step / 20.0;
        const QColor mix = QColor::fromRgbF(faint.redF() + t * (full.redF() - faint.redF()),
                                            faint.greenF() + t * (full.greenF() - faint.greenF()),
                                            faint.blueF() + t * (full.blueF() - faint.blueF()));
        if (contrast(mix, panel) >= wanted) {
            text = mix;
            break;
        }
    }
    QPalette legible;
    legible.setColor(QPalette::Disabled, QPalette::Text, text);
    window->setPalette(legible);
}

// A line edit draws its panel in the Base role, whatever its background role says: a box with a
// panel colour of its own keeps its palette role, and takes the role's colour from the
// application's palette (setColours).
void setPanelColour(QLineEdit* box, SystemColour colour) {
    const QPalette::ColorRole role = paletteRole(colour);
    if (role != QPalette::NoRole && role != QPalette::Base) box->setProperty("panelRole", role);
}

// Windows' own style draws push buttons from the system's theme, light whatever the palette
// says, with their text in the palette's colour: under a dark palette, light text on light
// buttons. There the window's buttons are drawn in Fusion, which draws them from the palette.
void setButtonStyle(QWidget* window) {
    if (QApplication::style()->name().compare(u"windowsvista", Qt::CaseInsensitive) != 0) return;
    const QPalette palette = QApplication::palette(window);
    QStyle* style = nullptr;
    if (luminance(palette.color(QPalette::ButtonText)) >
        luminance(palette.color(QPalette::Button))) {
        style = window->findChild<QStyle*>(QString(), Qt::FindDirectChildrenOnly);
        if (!style) {
            style = QStyleFactory::create(QStringLiteral("Fusion"));
            style->setParent(window);
        }
    }
    for (QPushButton* button : window->findChildren<QPushButton*>(Qt::FindDirectChildrenOnly))
        button->setStyle(style);
}

// The colours that a window's controls take from the application's palette: the legible text of
// its output boxes, the panels of boxes with a colour of their own and buttons drawn to match.
void setColours(QWidget* window) {
    setLegibleDisabledText(window);
    setButtonStyle(window);
    const QPalette natural = QApplication::palette(window);
    // Every box gets its panel colour set, Base where it has no role of its own: a style that
    // draws panels from the system's theme (Windows') follows the palette only where it is set.
    for (QLineEdit* box : window->findChildren<QLineEdit*>(Qt::FindDirectChildrenOnly)) {
        const QVariant role = box->property("panelRole");
        const auto panel = role.isValid() ? role.value<QPalette::ColorRole>() : QPalette::Base;
        QPalette palette;
        for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
            palette.setBrush(group, QPalette::Base, natural.brush(group, panel));
        box->setPalette(palette);
    }
}

// Sets the colours again when the desktop changes its palette (a switch between a light and a
// dark theme) while the window is open: colours set on a widget would otherwise stay as they were.
class PaletteWatch final : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* window, QEvent* event) override {
        if (event->type() == QEvent::ApplicationPaletteChange)
            setColours(static_cast<QWidget*>(window));
        return false;
    }
};

void setLabelColour(QLabel* label, SystemColour colour) {
    const QPalette::ColorRole role = paletteRole(colour);
    if (role == QPalette::NoRole) return;
    label->setBackgroundRole(role);
    label->setAutoFillBackground(true);
}

QLineEdit* makeBox(const Control& control, QWidget* window) {
    auto* box = new QLineEdit(QString::fromLatin1(control.text), window);
    // The classic boxes had almost no inner margin; three digits must fit 25 pixels. The status
    // box has room for the usual margin.
    if (control.kind != ControlKind::statusBox) box->setTextMargins(-2, 0, -2, 0);
    switch (control.kind) {
        case ControlKind::inputBox:
            box->setMaxLength(3);
            box->setAlignment(Qt::AlignRight);
            break;
        case ControlKind::octetBox:
            box->setAlignment(Qt::AlignRight);
            box->setEnabled(false);
            break;
        case ControlKind::resultBox:
            box->setEnabled(false);
            break;
        default:
            break;
    }
    setPanelColour(box, control.background);
    return box;
}

QLabel* makeLabel(const Control& control, QWidget* window) {
    auto* label = new QLabel(QString::fromUtf8(control.text), window);
    switch (control.kind) {
        case ControlKind::caption:
            label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            break;
        case ControlKind::dot:
            label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
            break;
        case ControlKind::note:
            label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
            label->setWordWrap(true);
            break;
        case ControlKind::picture:
            label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            label->setForegroundRole(paletteRole(SystemColour::windowText));
            break;
        default:
            break;
    }
    setLabelColour(label, control.background);
    return label;
}

QWidget* makeControl(const Control& control, QWidget* window) {
    switch (control.kind) {
        case ControlKind::inputBox:
        case ControlKind::octetBox:
        case ControlKind::resultBox:
        case ControlKind::statusBox:
            return makeBox(control, window);
        case ControlKind::caption:
        case ControlKind::dot:
        case ControlKind::note:
        case ControlKind::picture:
            return makeLabel(control, window);
        case ControlKind::button:
            return new QPushButton(QString::fromLatin1(control.text), window);
        case ControlKind::line: {
            auto* line = new QFrame(window);
            line->setFrameShape(QFrame::HLine);
            line->setFrameShadow(QFrame::Plain);
            return line;
        }
    }
    return nullptr;
}

// The application icon drawn by code at the size asked for, so that it stays sharp at any scale.
// It names only its own size: a platform that sends every size it is offered to the window
// system (X11 does) would otherwise draw and send them all at start-up.
class IconEngine final : public QIconEngine {
public:
    QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override {
        const int scale = std::max(1, std::min(size.width(), size.height()) / 32);
        return QPixmap::fromImage(makeIcon(scale));
    }
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        painter->drawPixmap(rect, pixmap(rect.size(), mode, state));
    }
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override { return {QSize(32, 32)}; }
    QIconEngine* clone() const override { return new IconEngine; }
};

}  // namespace

std::vector<QWidget*> buildForm(const Form& form, std::span<const Control> controls,
                                QWidget* window) {
    window->setObjectName(QString::fromLatin1(form.name));
    window->setWindowFlags(form.frame);
    window->setWindowTitle(QString::fromLatin1(form.title));
    window->setAccessibleName(window->windowTitle());
    window->setWindowIcon(applicationIcon());
    window->setBackgroundRole(paletteRole(form.background));
    window->installEventFilter(new PaletteWatch(window));
    window->setFixedSize(fromTwips(form.width), fromTwips(form.height));

    Fonts fonts(controls);
    std::vector<QWidget*> widgets;
    widgets.reserve(controls.size());
    for (const Control& control : controls) {
        QWidget* widget = makeControl(control, window);
        if (const QFont* font = fonts.of(control)) widget->setFont(*font);
        widget->setObjectName(QString::fromLatin1(control.name));
        QRect geometry(fromTwips(control.left), fromTwips(control.top), fromTwips(control.width),
                       fromTwips(control.height));
        // Some controls are stored wider than the window; they end at its right edge.
        geometry.setWidth(std::min(geometry.width(), window->width() - geometry.x()));
        // A line is stored with no height; it is drawn one pixel thick.
        geometry.setHeight(std::max(geometry.height(), 1));
        widget->setGeometry(geometry);
        widgets.push_back(widget);
    }
    setColours(window);
    return widgets;
}

QIcon applicationIcon() {
    return QIcon(new IconEngine);
}

QPixmap aboutPicture(qreal devicePixelRatio) {
    const int scale = std::max(1, int(std::ceil(devicePixelRatio)));
    QPixmap picture = QPixmap::fromImage(makeAboutPicture(scale));
    picture.setDevicePixelRatio(scale);
    return picture;
}

}  // namespace octaval

#include "controls.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <algorithm>
#include <limits>
#include <optional>
#include <vector>

// The resources sit in a static library, where nothing would pull in their registration.
static void registerResources() {
    Q_INIT_RESOURCE(octaval);
}

namespace octaval {
namespace {

// Condensing further than this harms legibility more than cutting the text off.
constexpr int minimumStretch = 75;

// A line edit's text starts this far inside its edges: frame and margin on both sides, less the
// margin that we take back (below).
constexpr int boxTextInset = 4;

// Boxes and notes take the platform's interface face at 8 pt, the classic size for which their
// geometry was drawn.
QFont boxFont() {
    QFont font = QApplication::font();
    font.setPointSizeF(8);
    return font;
}

// A text that must show in full in a control of the given width.
struct Sample {
    QString text;
    int width;
};

// `font` at the given size, condensed just enough that every sample fits. The samples are
// measured in the font as given, the interface size whose glyphs the buttons load anyway, and
// scaled: measuring in the final size would load that size twice.
QFont fitted(QFont font, qreal points, const std::vector<Sample>& samples) {
    const QFontMetricsF metrics(font);
    const qreal scale = points / font.pointSizeF();
    int stretch = 100;
    for (const Sample& sample : samples) {
        // A pixel to spare for rounding in the final size.
        const qreal advance = metrics.horizontalAdvance(sample.text) * scale + 1;
        if (advance > sample.width) stretch = std::min(stretch, int(100 * sample.width / advance));
    }
    font.setPointSizeF(points);
    if (stretch < 100) font.setStretch(std::max(minimumStretch, stretch));
    return font;
}

// The fonts of one window's controls, each made once. Today's faces are wider than the classic
// ones, so a font is condensed where the widest text that its controls show would not fit.
class Fonts {
public:
    explicit Fonts(std::span<const Control> controls) : m_controls(controls) {
        // MS Sans Serif where it is installed, otherwise the platform's default sans-serif face.
        const QString classic = QStringLiteral("MS Sans Serif");
        if (QFontDatabase::hasFamily(classic)) m_labelFace.setFamilies({classic});
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
                    return fitted(m_labelFace, 9.75, captions);
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
            case ControlKind::statusBox:
                // One font for every box; the status box scrolls, the others must fit.
                return cached(m_box, [&] {
                    return fitted(QApplication::font(), 8,
                                  {{QStringLiteral("255"), textWidth(ControlKind::octetBox)},
                                   {QStringLiteral("23 bits, 8388606 subnets"),
                                    textWidth(ControlKind::resultBox)}});
                });
            case ControlKind::note:
                return cached(m_note, [] { return boxFont(); });
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

// A line edit draws its panel in the Base role, whatever its background role says.
void setPanelColour(QLineEdit* box, SystemColour colour) {
    const QPalette::ColorRole role = paletteRole(colour);
    if (role == QPalette::NoRole || role == QPalette::Base) return;
    QPalette palette = box->palette();
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        palette.setBrush(group, QPalette::Base, palette.brush(group, role));
    box->setPalette(palette);
}

void setLabelColour(QLabel* label, SystemColour colour) {
    const QPalette::ColorRole role = paletteRole(colour);
    if (role == QPalette::NoRole) return;
    label->setBackgroundRole(role);
    label->setAutoFillBackground(true);
}

QLineEdit* makeBox(const Control& control, QWidget* window) {
    auto* box = new QLineEdit(QString::fromLatin1(control.text), window);
    // The classic boxes had almost no inner margin; three digits must fit 25 pixels.
    box->setTextMargins(-2, 0, -2, 0);
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

void ensureResources() {
    static const bool registered = (registerResources(), true);
    Q_UNUSED(registered);
}

}  // namespace

void buildForm(const Form& form, std::span<const Control> controls, QWidget* window) {
    window->setObjectName(QString::fromLatin1(form.name));
    window->setWindowFlags(form.frame);
    window->setWindowTitle(QString::fromLatin1(form.title));
    window->setAccessibleName(window->windowTitle());
    window->setWindowIcon(applicationIcon());
    window->setBackgroundRole(paletteRole(form.background));
    window->setFixedSize(fromTwips(form.width), fromTwips(form.height));

    Fonts fonts(controls);
    for (const Control& control : controls) {
        QWidget* widget = makeControl(control, window);
        if (const QFont* font = fonts.of(control)) widget->setFont(*font);
        widget->setObjectName(QString::fromLatin1(control.name));
        if (control.accessibleName)
            widget->setAccessibleName(QString::fromUtf8(control.accessibleName));
        QRect geometry(fromTwips(control.left), fromTwips(control.top), fromTwips(control.width),
                       fromTwips(control.height));
        // Some controls are stored wider than the window; they end at its right edge.
        geometry.setWidth(std::min(geometry.width(), window->width() - geometry.x()));
        // A line is stored with no height; it is drawn one pixel thick.
        geometry.setHeight(std::max(geometry.height(), 1));
        widget->setGeometry(geometry);
    }
}

QIcon applicationIcon() {
    ensureResources();
    // From a pixmap rather than a file name, which would look for icon engine plugins first.
    return QIcon(QPixmap(QStringLiteral(":/octaval/icon.png")));
}

QPixmap aboutPicture() {
    ensureResources();
    return QPixmap(QStringLiteral(":/octaval/about.png"));
}

}  // namespace octaval

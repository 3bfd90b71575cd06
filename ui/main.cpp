// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Octaval: the desktop calculator for classful IPv4 subnetting.
#include <QApplication>
#include <QCommandLineParser>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "report/version.h"
#include "ui/frm_main.h"
#include "ui/qt_text.h"
#include "ui/translation.h"

namespace {

// Answers --help and --version on standard output, before anything needs a display; other
// arguments (Qt's own options, such as -platform or -style) are left to QApplication.
void answerOptions(int argc, char* argv[]) {
    // Without arguments there is nothing to answer, and the parser's code need not be loaded.
    if (argc < 2) return;
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    QCommandLineParser parser;
    // Qt's options are words after one dash ("-platform"), not bundles of letters.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(octaval::toQString(octaval::version::comment));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    parser.parse(arguments);
    const bool helpAll = parser.isSet(QStringLiteral("help-all"));
    if (!parser.isSet(version) && !parser.isSet(help) && !helpAll) return;
    // The help's usage line names the program as it was started; no display is needed for that.
    const QCoreApplication core(argc, argv);
    if (parser.isSet(version)) {
        std::printf("octaval %.*s\n", int(octaval::version::display.size()),
                    octaval::version::display.data());
        std::exit(EXIT_SUCCESS);
    }
    std::fputs(parser.helpText().toLocal8Bit().constData(), stdout);
    std::exit(EXIT_SUCCESS);
}

// While the platform starts, Qt's messages wait here. When it cannot start (no display can be
// opened) Qt would abort with several lines of text; instead the program says so in one line.
std::vector<std::string> startMessages;

void startHandler(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type != QtFatalMsg) {
        startMessages.push_back(message.toStdString());
        return;
    }
    // The platform's own reason ("could not connect to display :99") where it gave one.
    const std::string reason =
        startMessages.empty() ? message.section(u'\n', 0, 0).toStdString() : startMessages.front();
    std::fprintf(stderr, "octaval: no display: %s\n", reason.c_str());
    std::fflush(stderr);
    std::_Exit(EXIT_FAILURE);
}

}  // namespace

int main(int argc, char* argv[]) {
    answerOptions(argc, argv);
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    // Without a display Qt would abort (status 134) after several lines about plugins; a platform
    // chosen by hand (offscreen, vnc, ...) needs none.
    const auto unset = [](const char* name) {
        const char* value = std::getenv(name);
        return !value || !*value;
    };
    if (unset("DISPLAY") && unset("WAYLAND_DISPLAY") && unset("QT_QPA_PLATFORM")) {
        std::fputs("octaval: no display: set DISPLAY or WAYLAND_DISPLAY\n", stderr);
        return 1;
    }
#endif
    const QtMessageHandler usual = qInstallMessageHandler(startHandler);
    QApplication app(argc, argv);
    qInstallMessageHandler(usual);
    // The platform started: what it said meanwhile goes where it always goes.
    for (const std::string& message : std::exchange(startMessages, {}))
        qWarning("%s", message.c_str());
    QApplication::setApplicationName(octaval::toQString(octaval::version::name));
    QApplication::setApplicationVersion(octaval::toQString(octaval::version::display));
    // Wayland compositors and docks find the icon and the name through the desktop entry.
    QGuiApplication::setDesktopFileName(octaval::toQString(octaval::version::appId));
    octaval::installTranslations();
    octaval::frmMain window;
    window.show();
    return QApplication::exec();
}

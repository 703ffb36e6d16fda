#include "platform/backend/qt/QtGraphics.h"

#include <QApplication>
#include <QDir>
#include <QFont>
#include <QFontDatabase>

#include "platform/backend/qt/QtSupport.h"
#include "platform/graphics/ColorGlyphs.h"
#include "platform/rtl/FileSys.h"

namespace {

void PinFonts()
{
    // Tahoma, MS Sans Serif, System, Symbol, Marlett, Wingdings ... as the Wine font package installs them
    QDir wine("/usr/share/wine/fonts");
    for (const QString& file : wine.entryList({"*.ttf"}, QDir::Files, QDir::Name))
        QFontDatabase::addApplicationFont(wine.filePath(file));
    QFont::insertSubstitution("Arial", "Liberation Sans");
    QFont::insertSubstitution("Helvetica", "Liberation Sans");
    QFont::insertSubstitution("Times New Roman", "Liberation Serif");
    QFont::insertSubstitution("Courier New", "Liberation Mono");
    QFont::insertSubstitution("MS Shell Dlg", "Tahoma");
    QFont::insertSubstitution("MS Shell Dlg 2", "Tahoma");
    QFont::insertSubstitution("Segoe UI", "Tahoma");
}

}  // namespace

void InitQtGraphics()
{
    static bool done = false;
    if (done) return;
    done = true;
    if (!QCoreApplication::instance()) {
        if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM") && !qEnvironmentVariableIsSet("DISPLAY") &&
            !qEnvironmentVariableIsSet("WAYLAND_DISPLAY"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        // The toolkit gets the program's name only: the arguments are the program's own
        // (ParamStr), not options for the toolkit.
        static std::string name = ParamStr(0).ToUtf8();
        static int argc = 1;
        static char* argv[] = {name.data(), nullptr};
        new QApplication(argc, argv);
    }
    PinFonts();
    RegisterGraphicsBackend({&qtbackend::QtFontEngine(), &qtbackend::QtPrinterBackend(),
                             &qtbackend::QtClipboardBackend(), &qtbackend::QtImageCodecs()});
    RegisterColorGlyphEngine(&qtbackend::QtColorGlyphEngine());
}

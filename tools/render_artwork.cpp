// Saves every picture the program draws, and the small windows that show
// them (splash, About box, the four schematic windows, grabbed at their
// first size), to PNG files, at device pixel ratios of 1, 1.5 and 2, so the
// artwork can be checked by eye.
//
//   render_artwork <output folder>
//
// The other passes run this program again with QT_SCALE_FACTOR set (the ratio
// is fixed when the application starts); their files end in "@1.5x" and "@2x".

#include "app/about_dialog.h"
#include "app/schematic_window.h"
#include "app/splash.h"
#include "artwork/artwork.h"

#include <QApplication>
#include <QDir>
#include <QProcess>

#include <cstdio>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

int main(int argc, char* argv[])
{
    const bool secondPass = qEnvironmentVariableIsSet("OHMBROOK_RENDER_SECOND_PASS");
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: render_artwork <output folder>\n");
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(out);
    const qreal dpr = app.devicePixelRatio();
    const QString suffix = dpr > 1 ? QStringLiteral("@%1x.png").arg(dpr) : QStringLiteral(".png");

    using Draw = std::function<QPixmap()>;
    std::vector<std::pair<QString, Draw>> pictures = {
        {QStringLiteral("background"), &artwork::background},
        {QStringLiteral("logo"), &artwork::logo},
        {QStringLiteral("help_glyph"), &artwork::helpGlyph},
        {QStringLiteral("resistor_body"), &artwork::resistorBody},
        {QStringLiteral("band_leader_lines"), &artwork::bandLeaderLines},
        {QStringLiteral("body_tip_spot_leader_lines"), &artwork::bodyTipSpotLeaderLines},
        {QStringLiteral("dropper_circuit"), &artwork::dropperCircuit},
        {QStringLiteral("coil_illustration"), &artwork::coilIllustration},
        {QStringLiteral("resistors_parallel"),
         [] {
             return artwork::resistorsParallel({281, 150});
         }},
        {QStringLiteral("resistors_series"),
         [] {
             return artwork::resistorsSeries({281, 150});
         }},
        {QStringLiteral("capacitors_series"),
         [] {
             return artwork::capacitorsSeries({281, 150});
         }},
        {QStringLiteral("capacitors_parallel"),
         [] {
             return artwork::capacitorsParallel({281, 150});
         }},
        {QStringLiteral("splash"), &artwork::splash},
        {QStringLiteral("about_logo"), &artwork::aboutLogo},
    };
    const std::pair<const char*, artwork::SymbolSheet> sheets[] = {
        {"schematic_general", artwork::SymbolSheet::General},
        {"schematic_logic_gates", artwork::SymbolSheet::LogicGates},
        {"schematic_valves", artwork::SymbolSheet::Valves},
        {"schematic_connectors", artwork::SymbolSheet::ConnectorsSwitchesRelays},
    };
    for (const auto& [name, sheet] : sheets) {
        const artwork::SymbolSheet which = sheet; // clang 14 cannot capture a structured binding
        pictures.emplace_back(QString::fromLatin1(name), [which] { return artwork::schematicSheet(which); });
    }
    for (int d = 0; d <= 9; ++d) {
        pictures.emplace_back(QStringLiteral("body_%1").arg(d), [d] { return artwork::bodyImage(d); });
        pictures.emplace_back(QStringLiteral("tip_%1").arg(d), [d] { return artwork::tipImage(d); });
    }
    for (int i = 0; i <= 6; ++i)
        pictures.emplace_back(QStringLiteral("tolerance_%1").arg(i),
                              [i] { return artwork::toleranceImage(i); });

    const auto grabWindow = [](auto makeWindow) {
        return [makeWindow] {
            auto window = makeWindow();
            window->show();
            QApplication::processEvents();
            return window->grab();
        };
    };
    pictures.emplace_back(QStringLiteral("window_splash"),
                          grabWindow([] { return std::make_unique<TSplash>(); }));
    pictures.emplace_back(QStringLiteral("window_about"),
                          grabWindow([] { return std::make_unique<TAboutDialog>(); }));
    pictures.emplace_back(QStringLiteral("window_schematic_general"),
                          grabWindow([] { return std::make_unique<TFormSchematicGeneral>(); }));
    pictures.emplace_back(QStringLiteral("window_schematic_valves"),
                          grabWindow([] { return std::make_unique<TFormSchematicValves>(); }));
    pictures.emplace_back(QStringLiteral("window_schematic_connectors"), grabWindow([] {
                              return std::make_unique<TFormSchematicConnectorsSwitchesRelays>();
                          }));
    pictures.emplace_back(QStringLiteral("window_schematic_logic_gates"),
                          grabWindow([] { return std::make_unique<TFormSchematicLogicGates>(); }));

    int failures = 0;
    for (const auto& [name, draw] : pictures) {
        const QString file = QDir(out).filePath(name + suffix);
        if (!draw().save(file)) {
            std::fprintf(stderr, "could not write %s\n", qPrintable(file));
            ++failures;
        }
    }

    for (const char* factor : {"1.5", "2"}) {
        if (secondPass)
            break;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_SCALE_FACTOR"), QString::fromLatin1(factor));
        env.insert(QStringLiteral("OHMBROOK_RENDER_SECOND_PASS"), QStringLiteral("1"));
        QProcess again;
        again.setProcessEnvironment(env);
        again.setProcessChannelMode(QProcess::ForwardedChannels);
        again.start(QCoreApplication::applicationFilePath(), {out});
        if (!again.waitForFinished(60000) || again.exitCode() != 0)
            ++failures;
    }
    return failures == 0 ? 0 : 1;
}

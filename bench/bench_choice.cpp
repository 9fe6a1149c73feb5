// Choosing a picture with 100 tiles, from the click on its name to the dealt board: a 1024 x 768 and a
// 6000 x 4000 JPEG against a plain full-resolution decode of the large one; photos as phones take
// them, a 50-megapixel JPEG against libjpeg-turbo's own decode at the scale the game decodes it at, a
// 200-megapixel JPEG, a 12-megapixel HEIC against libheif's own decode of it; "Reshuffle"; and the peak
// memory of a process that chooses the 6000 x 4000 JPEG, the 200-megapixel JPEG or a 48-megapixel HEIC.
// The phone photos are made once and kept beside the benchmark.
#include "bench_common.h"
#include "generator.h"
#include "heif_grid.h"
#include "platform/controls/file_list.h"
#include "platform/controls/twips.h"
#include "support.h"

#include <QApplication>
#include <QImageReader>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <cstdio>
#include <jpeglib.h>

namespace {

double timeChoice(Game &game, const QString &name)
{
    Form1 &f = *game;
    if (f.scelta_file)
        QTest::mouseClick(f.CMGame, Qt::LeftButton);
    f.files->trigger();
    game.clickListItem(f.List1, QStringLiteral("Bench"));
    QElapsedTimer t;
    t.start();
    game.clickListItem(f.File1, name);
    QCoreApplication::processEvents();
    const double ms = t.nsecsElapsed() / 1e6;
    if (!f.scelta_file || f.Picture2.ubound() != 100)
        std::fprintf(stderr, "the choice of %s failed\n", qPrintable(name));
    return ms;
}

template <typename F> double medianMs(int runs, F f)
{
    std::vector<double> ms;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer t;
        t.start();
        f();
        ms.push_back(t.nsecsElapsed() / 1e6);
    }
    return bench::median(ms);
}

// A photo of any size, as a phone's: a painted landscape enlarged, with the fine grain of a camera's
// sensor, so that it takes as many bytes as a real photo. Written row by row: no whole image is held.
void writePhoto(const QImage &scene, QSize size, const QString &path)
{
    FILE *out = std::fopen(QFile::encodeName(path).constData(), "wb");
    jpeg_compress_struct c{};
    jpeg_error_mgr err{};
    c.err = jpeg_std_error(&err);
    jpeg_create_compress(&c);
    jpeg_stdio_dest(&c, out);
    c.image_width = JDIMENSION(size.width());
    c.image_height = JDIMENSION(size.height());
    c.input_components = 3;
    c.in_color_space = JCS_RGB;
    jpeg_set_defaults(&c);
    jpeg_set_quality(&c, 90, TRUE);
    jpeg_start_compress(&c, TRUE);
    std::vector<JSAMPLE> row(size_t(size.width()) * 3);
    gen::Rng grain(7);
    for (int y = 0; y < size.height(); ++y) {
        const QRgb *src = reinterpret_cast<const QRgb *>(scene.constScanLine(y * scene.height() / size.height()));
        for (int x = 0; x < size.width(); ++x) {
            const QRgb p = src[x * scene.width() / size.width()];
            const int g = grain.below(13) - 6;
            row[size_t(x) * 3] = JSAMPLE(std::clamp(qRed(p) + g, 0, 255));
            row[size_t(x) * 3 + 1] = JSAMPLE(std::clamp(qGreen(p) + g, 0, 255));
            row[size_t(x) * 3 + 2] = JSAMPLE(std::clamp(qBlue(p) + g, 0, 255));
        }
        JSAMPROW r = row.data();
        jpeg_write_scanlines(&c, &r, 1);
    }
    jpeg_finish_compress(&c);
    jpeg_destroy_compress(&c);
    std::fclose(out);
}

// libjpeg-turbo's own decode of a file, at eighths/8 of its size, as djpeg -scale does it.
void decodeJpeg(const QString &path, int eighths)
{
    FILE *in = std::fopen(QFile::encodeName(path).constData(), "rb");
    jpeg_decompress_struct d{};
    jpeg_error_mgr err{};
    d.err = jpeg_std_error(&err);
    jpeg_create_decompress(&d);
    jpeg_stdio_src(&d, in);
    jpeg_read_header(&d, TRUE);
    d.scale_num = unsigned(eighths);
    d.scale_denom = 8;
    d.out_color_space = JCS_EXT_BGRX;
    jpeg_start_decompress(&d);
    std::vector<JSAMPLE> row(size_t(d.output_width) * 4);
    while (d.output_scanline < d.output_height) {
        JSAMPROW r = row.data();
        jpeg_read_scanlines(&d, &r, 1);
    }
    jpeg_finish_decompress(&d);
    jpeg_destroy_decompress(&d);
    std::fclose(in);
}

// libheif's own decode of a file, to 8-bit RGB, as heif-convert does it.
void decodeHeif(const QString &path)
{
    heif_context *context = heif_context_alloc();
    heif_context_read_from_file(context, QFile::encodeName(path).constData(), nullptr);
    heif_image_handle *handle = nullptr;
    heif_context_get_primary_image_handle(context, &handle);
    heif_image *image = nullptr;
    heif_decode_image(handle, &image, heif_colorspace_RGB, heif_chroma_interleaved_RGB, nullptr);
    if (!image)
        std::fprintf(stderr, "libheif could not decode %s\n", qPrintable(path));
    heif_image_release(image);
    heif_image_handle_release(handle);
    heif_context_free(context);
}

// How far the dealt tiles stand from the pieces of the upright picture: the largest difference of a
// tile's mean colour from its piece's, in levels. A photo dealt on its side or mirrored is far off.
int worstTile(Form1 &f, const QImage &upright)
{
    const auto mean = [](const QImage &img) {
        return img.scaled(1, 1, Qt::IgnoreAspectRatio, Qt::SmoothTransformation).pixelColor(0, 0);
    };
    int worst = 0;
    for (int k = 1; k <= 100; ++k) {
        const QRect piece((k - 1) % 10 * upright.width() / 10, (k - 1) / 10 * upright.height() / 10,
                          upright.width() / 10, upright.height() / 10);
        const QColor a = mean(f.Picture2[k]->picture().toImage()), b = mean(upright.copy(piece));
        worst = std::max(
            {worst, std::abs(a.red() - b.red()), std::abs(a.green() - b.green()), std::abs(a.blue() - b.blue())});
    }
    return worst;
}

// The eighths at which the game has a picture of this size decoded for 100 tiles on this screen.
int gameEighths(QSize picture, const QWidget &window)
{
    const QSizeF screen = twips::fromPixels(window.screen()->availableGeometry().size());
    const int tile =
        int(std::ceil(twips::toPixels(geometry::arrange({screen, screen}, 100).Z) * window.devicePixelRatioF()));
    const double f = std::min(double(picture.width()), double(picture.height())) / (tile * 10 * 2);
    return std::clamp(int(std::ceil(8 / f)), 1, 8);
}

} // namespace

// In a process of its own, so that nothing else the benchmark did counts: start the game on the
// program folder given, choose its one picture, and report the peak resident memory.
int peakAfterChoice(const QString &programFolder)
{
    Form1Context context;
    context.programFolder = programFolder;
    Form1 form(std::move(context));
    form.start();
    form.files->trigger();
    form.List1->setCurrentRow(0);
    form.List1_Click();
    form.File1->setCurrentRow(0);
    form.File1_Click();
    QCoreApplication::processEvents();
    std::printf("%.3f\n", form.scelta_file ? bench::peakMB() : -1.0);
    return 0;
}

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    if (argc > 2 && qstrcmp(argv[1], "--peak") == 0)
        return peakAfterChoice(QString::fromLocal8Bit(argv[2]));
    ProgramFolder folder;
    folder.addFolder(QStringLiteral("Bench/model"));
    // Landscapes painted as the sample library's first one is.
    const auto paint = gen::pictureSpecs().front().paint;
    const QImage small = paint({"Bench", "small", 1024, 768, paint, 7});
    small.save(folder.file(QStringLiteral("Bench/small.jpg")), "JPEG", 90);
    paint({"Bench", "large", 6000, 4000, paint, 8}).save(folder.file(QStringLiteral("Bench/large.jpg")), "JPEG", 90);
    gen::modelOf(small).save(folder.file(QStringLiteral("Bench/model/small.mod")), "PNG");

    // The phone photos, made once.
    const QString kept = QCoreApplication::applicationDirPath() + QStringLiteral("/phone-photos/");
    QDir().mkpath(kept);
    const struct {
        const char *name;
        QSize size;
    } photos[] = {{"50mp.jpg", {8160, 6120}},
                  {"200mp.jpg", {16320, 12240}},
                  {"12mp.heic", {4032, 3024}},
                  {"48mp.heic", {8064, 6048}}};
    const QImage scene = paint({"Bench", "scene", 2040, 1530, paint, 9});
    for (const auto &p : photos) {
        const QString path = kept + QString::fromLatin1(p.name);
        if (QFileInfo::exists(path))
            continue;
        std::fprintf(stderr, "making %s, once\n", p.name);
        if (path.endsWith(QLatin1String(".jpg"))) {
            writePhoto(scene, p.size, path);
        } else {
            // Taken upright, held on its side: stored as the camera saw it, turned back by the file.
            QFile f(path);
            f.open(QIODevice::WriteOnly);
            f.write(grid::heic(scene.scaled(p.size.transposed(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation), 1));
        }
    }
    for (const auto &p : photos)
        QFile::copy(kept + QString::fromLatin1(p.name), folder.file(QStringLiteral("Bench/") + p.name));

    // The peaks, measured first, each in a program folder whose only picture is the one chosen.
    const auto peak = [&](const QString &name) {
        QTemporaryDir solo;
        QDir(solo.path()).mkpath(QStringLiteral("Bench"));
        for (int i = 1; i <= 6; ++i)
            QFile::copy(folder.file(QStringLiteral("frame%1.gif").arg(i)),
                        solo.filePath(QStringLiteral("frame%1.gif").arg(i)));
        QFile::copy(folder.file(QStringLiteral("Bench/") + name), solo.filePath(QStringLiteral("Bench/") + name));
        QProcess child;
        child.start(QString::fromLocal8Bit(argv[0]), {QStringLiteral("--peak"), solo.path()});
        child.waitForFinished(300000);
        return child.readAllStandardOutput().trimmed().toDouble();
    };
    const double peakLarge = peak(QStringLiteral("large.jpg")), peak200 = peak(QStringLiteral("200mp.jpg")),
                 peak48 = peak(QStringLiteral("48mp.heic"));

    Game game(folder);
    timeChoice(game, QStringLiteral("large.jpg")); // warm the caches once
    const double largeMs = medianMs(5, [&] { timeChoice(game, QStringLiteral("large.jpg")); });
    const double smallMs = medianMs(5, [&] { timeChoice(game, QStringLiteral("small.jpg")); });
    const double decodeMs = medianMs(5, [&] {
        if (QImageReader(folder.file(QStringLiteral("Bench/large.jpg"))).read().isNull())
            std::fprintf(stderr, "the plain decode failed\n");
    });
    const double p50Ms = medianMs(3, [&] { timeChoice(game, QStringLiteral("50mp.jpg")); });
    const int eighths = gameEighths(photos[0].size, *game);
    const double jpeg50Ms = medianMs(3, [&] { decodeJpeg(folder.file(QStringLiteral("Bench/50mp.jpg")), eighths); });
    const double p200Ms = medianMs(3, [&] { timeChoice(game, QStringLiteral("200mp.jpg")); });
    const double heic12Ms = medianMs(3, [&] { timeChoice(game, QStringLiteral("12mp.heic")); });
    const double heif12Ms = medianMs(3, [&] { decodeHeif(folder.file(QStringLiteral("Bench/12mp.heic"))); });
    int worst = 0;
    for (const auto &p : photos) {
        timeChoice(game, QString::fromLatin1(p.name));
        const bool heic = QByteArray(p.name).endsWith(".heic");
        worst = std::max(worst, worstTile(*game, heic ? scene.scaled(p.size.transposed(), Qt::IgnoreAspectRatio,
                                                                     Qt::SmoothTransformation)
                                                      : scene));
    }
    const double reshuffleMs = medianMs(50, [&] {
        QTest::mouseClick(game->CMNew, Qt::LeftButton);
        QCoreApplication::processEvents();
    });

    bench::figure("picture choice, 1024 x 768 JPEG, 100 tiles", smallMs, "ms", "-");
    bench::figure("picture choice, 6000 x 4000 JPEG, 100 tiles", largeMs, "ms", "<= 0.75 x plain decode");
    bench::figure("plain full-resolution decode, 6000 x 4000 JPEG", decodeMs, "ms", "baseline");
    bench::figure("large choice / plain decode", largeMs / decodeMs, "x", "<= 0.75");
    bench::figure("picture choice, 50 MP JPEG (8160 x 6120)", p50Ms, "ms", "<= 2 x libjpeg-turbo");
    bench::figure(qPrintable(QStringLiteral("libjpeg-turbo's decode of the 50 MP JPEG at %1/8").arg(eighths)), jpeg50Ms,
                  "ms", "baseline");
    bench::figure("50 MP choice / libjpeg-turbo's decode", p50Ms / jpeg50Ms, "x", "<= 2");
    bench::figure("picture choice, 200 MP JPEG (16320 x 12240)", p200Ms, "ms", "<= 1500 ms");
    bench::figure("picture choice, 12 MP HEIC (4032 x 3024)", heic12Ms, "ms", "<= 1.3 x libheif");
    bench::figure("libheif's decode of the 12 MP HEIC", heif12Ms, "ms", "baseline");
    bench::figure("12 MP HEIC choice / libheif's decode", heic12Ms / heif12Ms, "x", "<= 1.3");
    bench::figure("phone photos dealt upright: a tile's colour against its piece's, worst", worst, "levels",
                  "< 20 levels");
    bench::figure("Reshuffle, 100 tiles", reshuffleMs, "ms", "< 20 ms");
    bench::figure("peak memory after choosing the 6000 x 4000 JPEG", peakLarge, "MB", "< 150 MB");
    bench::figure("peak memory after choosing the 200 MP JPEG", peak200, "MB", "<= 150 MB");
    bench::figure("peak memory after choosing the 48 MP HEIC", peak48, "MB", "<= 350 MB");
    return 0;
}

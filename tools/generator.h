#pragma once
// The sample library generator: pictures and their models, the frames of the waiting animation and
// the songs, all painted or composed here, the same byte for byte on every run.
#include <QImage>
#include <QString>
#include <cstdint>
#include <vector>

namespace gen {

// A small deterministic generator (splitmix64), so that the output never depends on the standard
// library's distributions.
class Rng
{
public:
    explicit Rng(std::uint64_t seed) : s_(seed) {}
    std::uint64_t next()
    {
        std::uint64_t z = (s_ += 0x9e3779b97f4a7c15ull);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ull;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebull;
        return z ^ (z >> 31);
    }
    double uniform() { return double(next() >> 11) * (1.0 / 9007199254740992.0); }
    double range(double a, double b) { return a + (b - a) * uniform(); }
    int below(int n) { return int(next() % std::uint64_t(n)); }

private:
    std::uint64_t s_;
};

struct PictureSpec {
    const char *category;
    const char *name; // file name without ".jpg"
    int width, height;
    QImage (*paint)(const PictureSpec &);
    std::uint32_t seed;
};

// Every picture of the sample library.
const std::vector<PictureSpec> &pictureSpecs();
// The model picture of a picture: the whole image, small enough for the preview beside the board.
QImage modelOf(const QImage &picture);

// The six frames of the waiting animation, 33 x 33 pixels each.
std::vector<QImage> paintFrames();
bool writeGif(const QImage &image, const QString &path);

struct SongSpec {
    const char *name;
    std::uint32_t seed;
};
const std::vector<SongSpec> &songSpecs();
QByteArray composeSong(const SongSpec &recipe);

} // namespace gen

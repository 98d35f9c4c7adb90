#include <platform/gdiplus.h>

#include <benchmark/benchmark.h>

namespace {

// A layer-sized straight-alpha bitmap: every shape goes through a
// premultiplied copy of the pixels it can reach.
struct Layer
{
    explicit Layer(SmoothingMode smoothing)
    {
        GdipCreateBitmapFromScan0(600, 400, 0, PixelFormat32bppARGB, nullptr, &bitmap);
        GdipGetImageGraphicsContext(bitmap, &graphics);
        GdipSetSmoothingMode(graphics, smoothing);
        GdipCreatePen1(0xFF20C040, 1.0f, UnitWorld, &pen);
        GdipCreateSolidFill(0xC0FF8000, &brush);
    }
    ~Layer()
    {
        GdipDeleteBrush(brush);
        GdipDeletePen(pen);
        GdipDeleteGraphics(graphics);
        GdipDisposeImage(bitmap);
    }
    GpBitmap* bitmap = nullptr;
    GpGraphics* graphics = nullptr;
    GpPen* pen = nullptr;
    GpSolidFill* brush = nullptr;
};

// A knob-sized pie, as the graph controls fill them.
void FillPieOnLayer(benchmark::State& state)
{
    Layer layer(SmoothingMode(state.range(0)));
    for (auto _ : state)
        GdipFillPie(layer.graphics, layer.brush, 100.5f, 100.5f, 41.0f, 41.0f, 135.0f, 270.0f);
}
BENCHMARK(FillPieOnLayer)->Arg(SmoothingModeNone)->Arg(SmoothingModeAntiAlias);

// A response curve drawn as 200 short segments.
void CurveOfLineSegments(benchmark::State& state)
{
    Layer layer(SmoothingModeAntiAlias);
    for (auto _ : state)
        for (int x = 0; x < 200; ++x)
            GdipDrawLine(layer.graphics, layer.pen, float(x), float(100 + (x * 7) % 50), float(x + 1),
                         float(100 + ((x + 1) * 7) % 50));
    state.SetItemsProcessed(state.iterations() * 200);
}
BENCHMARK(CurveOfLineSegments);

// Clearing a pie through a clip path, as transparent holes are made.
void ClearPieThroughClip(benchmark::State& state)
{
    Layer layer(SmoothingModeHighQuality);
    GpPath* path = nullptr;
    GdipCreatePath(FillModeAlternate, &path);
    GdipAddPathPie(path, 100.5f, 100.5f, 41.0f, 41.0f, 0.0f, 90.0f);
    for (auto _ : state) {
        GdipSetClipPath(layer.graphics, path, CombineModeReplace);
        GdipGraphicsClear(layer.graphics, 0);
        GdipResetClip(layer.graphics);
    }
    GdipDeletePath(path);
}
BENCHMARK(ClearPieThroughClip);

}  // namespace

// SPDX-License-Identifier: GPL-3.0-or-later
// The pure conversions that every press of a button goes through.
#include "common/NumberForms.h"
#include "common/TextFileWriter.h"
#include "dates/DateQuery.h"
#include "schedule/ScheduleExport.h"

#include <benchmark/benchmark.h>

#include <QStringList>

using namespace morvela;
using namespace Qt::StringLiterals;

static void BM_LenientNumber(benchmark::State &state) {
    const QString texts[] = {u"  -12.5e1xyz"_s, u"100元"_s, u"0.1"_s, u"&HFF"_s};
    for (auto _ : state)
        for (const QString &t : texts)
            benchmark::DoNotOptimize(LenientNumber(t));
    state.SetItemsProcessed(state.iterations() * 4);
}
BENCHMARK(BM_LenientNumber);

static void BM_StrictNumber(benchmark::State &state) {
    const QString texts[] = {u" 2 "_s, u"-3.25"_s, u"1e3"_s, u"2abc"_s};
    for (auto _ : state)
        for (const QString &t : texts)
            benchmark::DoNotOptimize(StrictNumber(t));
    state.SetItemsProcessed(state.iterations() * 4);
}
BENCHMARK(BM_StrictNumber);

static void BM_NumberText(benchmark::State &state) {
    const double values[] = {1.0 / 3.0, 1e15, -0.5, 1.4142135623730951};
    for (auto _ : state)
        for (double v : values)
            benchmark::DoNotOptimize(NumberText(v));
    state.SetItemsProcessed(state.iterations() * 4);
}
BENCHMARK(BM_NumberText);

static void BM_ParseQueryDate(benchmark::State &state) {
    const QString texts[] = {u"2009-8-1"_s, u" 2009/08/01 "_s, u"请输入日期（yyyy-mm-dd）"_s, u"2009-2-29"_s};
    for (auto _ : state)
        for (const QString &t : texts)
            benchmark::DoNotOptimize(ParseQueryDate(t));
    state.SetItemsProcessed(state.iterations() * 4);
}
BENCHMARK(BM_ParseQueryDate);

static void BM_ScheduleFile(benchmark::State &state) {
    QStringList slots;
    for (int i = 0; i < 34; ++i)
        slots << (i % 3 == 0 ? u"开会 with the team"_s : QString());
    const QDate today(2009, 7, 23);
    const QDateTime now(today, QTime(21, 27, 5));
    for (auto _ : state) {
        const QStringList lines = ScheduleFileLines(today, now, slots);
        QByteArray bytes;
        for (const QString &line : lines)
            bytes += encodeAnsiLine(line);
        benchmark::DoNotOptimize(bytes);
    }
}
BENCHMARK(BM_ScheduleFile);

BENCHMARK_MAIN();

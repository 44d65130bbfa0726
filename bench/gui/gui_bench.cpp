// Times BuildPage for every category and RefreshCodeLine, on the offscreen platform.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QByteArray>
#include <QListWidget>
#include <QSignalBlocker>
#include <QTabBar>
#include <QtGlobal>

#include "codec/codec.h"
#include "profile/categories.h"
#include "ui/mainform.h"

namespace {

using brindlex::MAINFORM;
using brindlex::PROFILE;

// A record that fills most controls: species with a custom name, traits, levels, work,
// an exact age, both preferences and a few kinks.
PROFILE& Record() {
    static PROFILE record = [] {
        PROFILE r;
        brindlex::ParseCode(
            "2.0FC*[Maned]3cwvads V+ M- Dm++ H+++ I# P+ R- T# L++ Ym+/+* Wtc/ar/vt O35 Cwl+ "
            "Grfa++ E+ F# B- N+++ J# A+ Sf-/-+ K Su+* A-# Ta++ Ws*-",
            r);
        r.includeKinks = 1;
        return r;
    }();
    return record;
}

MAINFORM& Form() {
    static MAINFORM* form = [] {
        auto* f = new MAINFORM(Record());
        f->setAdultTabShown(true);
        f->show();
        return f;
    }();
    return *form;
}

// Selects a category the way FillCategoryList does, without building its page.
void SelectCategory(MAINFORM& form, int category) {
    int tab = static_cast<int>(brindlex::kTabFirstCategory.size()) - 1;
    while (category < brindlex::kTabFirstCategory[static_cast<std::size_t>(tab)]) {
        --tab;
    }
    auto* list = form.findChild<QListWidget*>(QStringLiteral("1004"));
    {
        const QSignalBlocker blockTabs(form.tabBar());
        form.tabBar()->setCurrentIndex(tab);
    }
    form.FillCategoryList();
    const QSignalBlocker blockList(list);
    list->setCurrentRow(category - brindlex::kTabFirstCategory[static_cast<std::size_t>(tab)]);
}

void BM_BuildPage(benchmark::State& state) {
    MAINFORM& form = Form();
    const int category = static_cast<int>(state.range(0));
    SelectCategory(form, category);
    for (auto _ : state) {
        form.BuildPage();
    }
    state.SetLabel(std::string(brindlex::CategoryCaption(category)));
}
BENCHMARK(BM_BuildPage)->DenseRange(0, brindlex::kCategoryCount - 1)->Unit(benchmark::kMicrosecond);

void BM_RefreshCodeLine(benchmark::State& state) {
    MAINFORM& form = Form();
    unsigned level = 0;
    for (auto _ : state) {
        // A new answer each time, so that the field really gets a new text.
        Record().hugsLevel = ++level & 7u;
        form.RefreshCodeLine();
    }
}
BENCHMARK(BM_RefreshCodeLine)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    }
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

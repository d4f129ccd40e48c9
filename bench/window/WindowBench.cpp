// What a reader waits for, measured on the windows themselves with the
// shipped museum (offscreen): opening the largest haiku list, sorting it,
// stepping the haiku card, changing the calendar's year, opening the help.
// Each should take less than one frame at 60 Hz (16.7 ms).
#include <QApplication>
#include <QDialog>
#include <QHeaderView>
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "app/CommandTable.h"
#include "app/SettingsStore.h"
#include "app/WindowHooks.h"
#include "calendar/DisplayYearDlg.h"
#include "calendar/OldNewSimpleListView.h"
#include "haiku/HaikuCardDlg.h"
#include "haiku/HaikuListView.h"
#include "haiku/HaikuOrders.h"
#include "platform/MessageBox.h"
#include "platform/UpDownControl.h"
#include "res/ResourceIds.h"
#include "text/SimpleHelpDlg.h"

namespace {

void BM_OpenLargestHaikuList(benchmark::State& state) {
    for (auto _ : state) {
        CHaikuListView view;
        view.resize(1200, 600);
        view.show();
        view.OnInitialUpdate(haiku::GetOrderLabel(0));
        QApplication::processEvents();
        benchmark::DoNotOptimize(view.model()->rowCount());
    }
}
BENCHMARK(BM_OpenLargestHaikuList)->Unit(benchmark::kMillisecond);

void BM_SortLargestHaikuList(benchmark::State& state) {
    CHaikuListView view;
    view.resize(1200, 600);
    view.show();
    view.OnInitialUpdate(haiku::GetOrderLabel(0));
    int column = 0;
    for (auto _ : state) {
        // A click on a heading: the phrases by their readings, the year, the creatures...
        emit view.horizontalHeader()->sectionClicked(column);
        QApplication::processEvents();
        column = (column + 1) % view.model()->columnCount();
    }
}
BENCHMARK(BM_SortLargestHaikuList)->Unit(benchmark::kMillisecond);

void BM_StepHaikuCard(benchmark::State& state) {
    CHaikuCardDlg card;
    card.SetOrder(0);
    card.SetPosition(500);
    card.show();
    auto* updown = qobject_cast<platform::CUpDownControl*>(card.Control(res::IDC_CARD_UPDOWN));
    int direction = -1;
    int steps = 0;
    for (auto _ : state) {
        emit updown->stepRequested(direction);  // one haiku on, then back
        QApplication::processEvents();
        if (++steps % 100 == 0) direction = -direction;
    }
    card.done(QDialog::Rejected);
}
BENCHMARK(BM_StepHaikuCard)->Unit(benchmark::kMillisecond);

void BM_ChangeCalendarYear(benchmark::State& state) {
    COldNewSimpleListView view;
    view.resize(600, 600);
    view.show();
    view.OnInitialUpdate();
    int year = COldNewSimpleListView::kFirstDisplayYear;
    GetWindowHooks().runModal = [&year](QDialog* dialog) {
        auto* dlg = qobject_cast<CDisplayYearDlg*>(dialog);
        dlg->SetDisplayYear(year);
        return int(QDialog::Accepted);
    };
    for (auto _ : state) {
        year = year == COldNewSimpleListView::kLastDisplayYear ? COldNewSimpleListView::kFirstDisplayYear : year + 1;
        view.OnSetDisplayYear();
        QApplication::processEvents();
    }
    ResetWindowHooks();
}
BENCHMARK(BM_ChangeCalendarYear)->Unit(benchmark::kMillisecond);

void BM_OpenHelpOnContents(benchmark::State& state) {
    const std::string topics = CSettingsStore::Instance().GetDataFilePath("Topics.txt");
    for (auto _ : state) {
        CSimpleHelpDlg help;
        help.SetFilePath(topics);
        help.SetStartTopic(GetHelpContentsTopic());
        help.Create();
        help.show();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_OpenHelpOnContents)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    CSettingsStore::Instance().Init(KIROKAN_MUSEUM_DIR, "kirokan-window-bench");
    platform::SetMessageBoxHandler([](const std::string&, const std::string&) { return platform::kIdOk; });
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::remove((std::string(KIROKAN_MUSEUM_DIR) + "/kirokan-window-bench.INI").c_str());
    std::remove((std::string(KIROKAN_MUSEUM_DIR) + "/kirokan-window-bench.INI.lock").c_str());
    return 0;
}

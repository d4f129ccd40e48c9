#include "res/ToolBar.h"

#include "res/ResourceIds.h"

namespace res {
namespace {

constexpr ToolBarSlot kSeparator{0, ButtonArt::Help, ""};

constexpr ToolBarSlot kToolBar[] = {
    {ID_WORK_COLLECTION, ButtonArt::WorksHall, "作"},
    {ID_WORK_OKUNO, ButtonArt::WorksHall, "奥"},
    {ID_WORK_SARASINA, ButtonArt::WorksHall, "更"},
    {ID_WORK_NOZARASI, ButtonArt::WorksHall, "野"},
    {ID_WORK_KASIMA, ButtonArt::WorksHall, "鹿"},
    {ID_WORK_KOBUMI, ButtonArt::WorksHall, "笈"},
    {ID_WORK_SAGA, ButtonArt::WorksHall, "嵯"},
    kSeparator,
    {ID_LIFE_CHRONOLOGY, ButtonArt::LifeHall, "年"},
    {ID_LIFE_FRIENDS, ButtonArt::LifeHall, "友"},
    {ID_LIFE_MEMORIALS, ButtonArt::LifeHall, "館"},
    {ID_LIFE_MONUMENTS, ButtonArt::LifeHall, "碑"},
    kSeparator,
    {ID_DATA_HAIKU_CARD, ButtonArt::DataHall, "句"},
    {ID_DATA_NATURE, ButtonArt::DataHall, "草"},
    {ID_DATA_GLOSSARY, ButtonArt::DataHall, "語"},
    kSeparator,
    {ID_ONE_POINT, ButtonArt::Help, "？"},
};

constexpr ToolBarSlot kSearchButton{ID_FIND, ButtonArt::Find, ""};

}  // namespace

std::span<const ToolBarSlot> GetToolBar() { return kToolBar; }

const ToolBarSlot& GetSearchButton() { return kSearchButton; }

}  // namespace res

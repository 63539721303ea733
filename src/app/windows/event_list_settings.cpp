#include "app/windows/event_list_settings.h"

#include <QSettings>
#include <QStringList>

#include "event/map_colouring.h"

namespace tremblo {

namespace {

constexpr const char* kColumnsKey = "eventList/columns";
constexpr const char* kMapColumnKey = "eventList/mapColumn";

}  // namespace

std::set<EventColumn> LoadShownEventColumns() {
    const QSettings settings(QStringLiteral("tremblo"), QStringLiteral("tremblo"));
    std::vector<std::string> keys;
    for (const QString& key : settings.value(kColumnsKey).toStringList()) keys.push_back(key.toStdString());
    return ShownColumnsOfKeys(keys);
}

void SaveShownEventColumns(const std::set<EventColumn>& columns) {
    QStringList keys;
    for (const std::string& key : KeysOfColumns(columns)) keys.push_back(QString::fromStdString(key));
    QSettings settings(QStringLiteral("tremblo"), QStringLiteral("tremblo"));
    settings.setValue(kColumnsKey, keys);
}

std::optional<EventColumn> LoadMapColumn() {
    const QSettings settings(QStringLiteral("tremblo"), QStringLiteral("tremblo"));
    std::optional<EventColumn> column;
    if (!MapColumnOfKey(settings.value(kMapColumnKey).toString().toStdString(), column)) return std::nullopt;
    return column;
}

void SaveMapColumn(std::optional<EventColumn> column) {
    QSettings settings(QStringLiteral("tremblo"), QStringLiteral("tremblo"));
    settings.setValue(kMapColumnKey, QString::fromStdString(column ? EventColumnKey(*column) : "jma_class"));
}

}  // namespace tremblo

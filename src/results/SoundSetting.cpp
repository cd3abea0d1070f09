#include "results/SoundSetting.h"

#include "platform/Platform.h"
#include "results/BestResultStore.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSettings>
#include <memory>

namespace harvesta {

namespace {

#ifdef Q_OS_WIN
const QString kKey = QStringLiteral("On");
std::unique_ptr<QSettings> openStore() {
    return std::make_unique<QSettings>(
        QStringLiteral("HKEY_CURRENT_USER\\Software\\Harvesta\\Sound"), QSettings::NativeFormat);
}
#else
const QString kKey = QStringLiteral("Software/Harvesta/Sound/On");
std::unique_ptr<QSettings> openStore() {
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                       QStringLiteral("Harvesta"), QStringLiteral("Harvesta"));
}
#endif

} // namespace

bool ReadSoundOn() {
    const auto store = openStore();
    const QVariant value = store->value(kKey);
    if (!value.isValid()) return true;
    // The game writes true or false; a hand-edited file may say it in other ways.
    const QString text = value.toString().trimmed().toLower();
    for (const char* yes : {"true", "1", "on", "yes"})
        if (text == QLatin1String(yes)) return true;
    for (const char* no : {"false", "0", "off", "no"})
        if (text == QLatin1String(no)) return false;
    platform::ShowMessage({QCoreApplication::translate(
                               "TResultsKey", "'%1' is not a valid value for '%2'; sound stays on")
                               .arg(value.toString(), kKey)
                               .toStdString(),
                           "Harvesta", platform::MessageIcon::Error, platform::MessageButtons::Ok});
    return true;
}

bool WriteSoundOn(bool on) {
    const auto store = openStore();
    if (!store->isWritable()) return false;
    if (store->format() == QSettings::IniFormat) {
        const QFileInfo file(store->fileName());
        if (file.exists() && !(file.permissions() & QFileDevice::WriteOwner)) return false;
        if (!KeepSettingsAsideIfUnclean(*store)) return false;
        RemoveAbandonedLock(store->fileName() + QStringLiteral(".lock"));
    }
    store->setValue(kKey, on ? QStringLiteral("true") : QStringLiteral("false"));
    store->sync();
    return store->status() != QSettings::AccessError;
}

} // namespace harvesta

// A control's keys in its window's stored layout: typed values under keys that match without
// regard to case, written only when they differ from the default the writer passes.
#pragma once

#include <QFont>
#include <QImage>
#include <QString>
#include <QStringList>

#include <initializer_list>
#include <map>
#include <stdexcept>
#include <utility>
#include <variant>

namespace pellitor::platform {

// A stored value cannot be read as the type asked for.
class PropertyBagError : public std::runtime_error {
public:
    explicit PropertyBagError(const QString& key);
    const QString& key() const noexcept { return m_key; }

private:
    QString m_key;
};

class PropertyBag {
public:
    // Text, 32-bit integer, boolean, font, picture (a null image is "no picture").
    using Value = std::variant<QString, qint32, bool, QFont, QImage>;

    PropertyBag() = default;
    // A stored layout as it lies in a window's description, e.g. {{"caption", "7"},
    // {"colorstyle", 2}, {"_extentx", 661}, {"_extenty", 582}}.
    PropertyBag(std::initializer_list<std::pair<QString, Value>> stored);

    // Stores value under key when it differs from defaultValue, and removes the key otherwise.
    void writeProperty(const QString& key, const Value& value, const Value& defaultValue);
    // Stores value under key whatever it is: the host's own keys.
    void store(const QString& key, const Value& value);
    // The stored value of key, or defaultValue when the key is absent. A stored value of
    // another type converts where the host converts (integer <-> boolean with true as -1, a
    // text of digits to an integer); otherwise PropertyBagError.
    Value readProperty(const QString& key, const Value& defaultValue) const;

    template <class T>
    T read(const QString& key, const T& defaultValue) const
    {
        return std::get<T>(readProperty(key, Value(defaultValue)));
    }

    bool contains(const QString& key) const;
    // The stored keys, lower case, sorted.
    QStringList keys() const;

private:
    std::map<QString, Value> m_values; // keyed by the lower-case key
};

} // namespace pellitor::platform

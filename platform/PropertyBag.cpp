// The stored-layout property bag.
#include "PropertyBag.h"

namespace pellitor::platform {

namespace {
QString normalKey(const QString& key)
{
    return key.toLower();
}

// Converts stored to the type of wanted, or returns false.
bool convert(const PropertyBag::Value& stored, PropertyBag::Value& wanted)
{
    if (stored.index() == wanted.index()) {
        wanted = stored;
        return true;
    }
    if (std::holds_alternative<qint32>(wanted)) {
        if (const bool* flag = std::get_if<bool>(&stored)) {
            wanted = qint32(*flag ? -1 : 0);
            return true;
        }
        if (const QString* text = std::get_if<QString>(&stored)) {
            bool ok = false;
            const qint32 number = text->trimmed().toInt(&ok);
            if (ok)
                wanted = number;
            return ok;
        }
    }
    if (std::holds_alternative<bool>(wanted)) {
        if (const qint32* number = std::get_if<qint32>(&stored)) {
            wanted = *number != 0;
            return true;
        }
    }
    return false;
}
} // namespace

PropertyBagError::PropertyBagError(const QString& key)
    : std::runtime_error("stored value of \"" + key.toStdString() + "\" has the wrong type"), m_key(key)
{
}

PropertyBag::PropertyBag(std::initializer_list<std::pair<QString, Value>> stored)
{
    for (const auto& [key, value] : stored)
        m_values[normalKey(key)] = value;
}

void PropertyBag::writeProperty(const QString& key, const Value& value, const Value& defaultValue)
{
    if (value == defaultValue)
        m_values.erase(normalKey(key));
    else
        m_values[normalKey(key)] = value;
}

void PropertyBag::store(const QString& key, const Value& value)
{
    m_values[normalKey(key)] = value;
}

PropertyBag::Value PropertyBag::readProperty(const QString& key, const Value& defaultValue) const
{
    const auto found = m_values.find(normalKey(key));
    if (found == m_values.end())
        return defaultValue;
    Value wanted = defaultValue;
    if (!convert(found->second, wanted))
        throw PropertyBagError(key);
    return wanted;
}

bool PropertyBag::contains(const QString& key) const
{
    return m_values.count(normalKey(key)) != 0;
}

QStringList PropertyBag::keys() const
{
    QStringList result;
    for (const auto& entry : m_values)
        result.append(entry.first);
    return result;
}

} // namespace pellitor::platform

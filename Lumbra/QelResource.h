// Named resource modules with string tables, and the current resource module
// through which QelString::LoadStringA and Format(id) find their texts.
#pragma once

#include <map>
#include <string>

class QelResource {
public:
    explicit QelResource(std::string name) : m_name(std::move(name)) {}

    const std::string& GetName() const { return m_name; }
    void AddString(unsigned int id, const char* text) { m_strings[id] = text ? text : ""; }
    // Null when the table has no such entry.
    const char* FindString(unsigned int id) const;

    // Registration by name; a module is owned by whoever registered it.
    static void Register(QelResource* module);
    static void Unregister(QelResource* module);
    static QelResource* Find(const char* name);

    // The current module of this thread; an empty stand-in module when none
    // is set.
    static QelResource& Current();
    static QelResource* SetCurrent(QelResource* module);

private:
    std::string m_name;
    std::map<unsigned int, std::string> m_strings;
};

// Makes the module of the given name current for the lifetime of this
// object and restores the previous one afterwards.
class QelResourceSwitch {
public:
    explicit QelResourceSwitch(const char* moduleName);
    ~QelResourceSwitch();
    QelResourceSwitch(const QelResourceSwitch&) = delete;
    QelResourceSwitch& operator=(const QelResourceSwitch&) = delete;

private:
    QelResource* m_previous;
};

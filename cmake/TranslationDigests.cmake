# Run as a script (cmake -DFILES=a.qm|b.qm -DOUTPUT=file.cpp -P TranslationDigests.cmake): writes a
# C++ source with the SHA-256 of each compiled translation, which the window compares with a
# file's before it loads it (window/TranslationCheck.h).
string(REPLACE "|" ";" files "${FILES}")
set(entries "")
foreach(file IN LISTS files)
    file(SHA256 ${file} digest)
    get_filename_component(name ${file} NAME)
    string(APPEND entries "        {u\"${name}\", \"${digest}\"},\n")
endforeach()
file(WRITE ${OUTPUT}
"// Written by the build (cmake/TranslationDigests.cmake): the translations it compiled.
#include \"TranslationCheck.h\"

namespace pellitor::translationCheck {

QByteArray builtDigest(const QString& fileName)
{
    static const struct {
        const char16_t* name;
        const char* digest;
    } built[] = {
${entries}        {nullptr, nullptr},
    };
    for (const auto& entry : built) {
        if (entry.name && fileName == QStringView(entry.name))
            return QByteArray(entry.digest);
    }
    return {};
}

} // namespace pellitor::translationCheck
")

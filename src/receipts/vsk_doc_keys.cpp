#include "receipts/vsk_doc_keys.h"

#include "platform/automation/conversions.h"

namespace tvx {

namespace {

const QString Source = QStringLiteral("VskDocKeys");

// What a late-bound for-each walks: a snapshot of the keys when it began.
class VskDocKeysEnum : public Dispatch {
public:
    explicit VskDocKeysEnum(std::vector<Variant> keys) : keys_(std::move(keys)) {}

    QStringList memberNames() const override { return {QStringLiteral("Next"), QStringLiteral("Reset")}; }
    Variant Invoke(const QString& name, std::vector<Variant>& args) override {
        if (name.compare(QStringLiteral("Next"), Qt::CaseInsensitive) == 0) {
            if (args.size() != 1) throw err::wrongArgumentCount(Source);
            if (next_ >= keys_.size()) return Variant(false);
            args[0] = keys_[next_++];
            return Variant(true);
        }
        if (name.compare(QStringLiteral("Reset"), Qt::CaseInsensitive) == 0) {
            if (!args.empty()) throw err::wrongArgumentCount(Source);
            next_ = 0;
            return Variant();
        }
        throw err::memberNotFound(Source);
    }

private:
    std::vector<Variant> keys_;
    std::size_t next_ = 0;
};

void requireArgs(const std::vector<Variant>& args, std::size_t least, std::size_t most) {
    if (args.size() < least || args.size() > most) throw err::wrongArgumentCount(Source);
}

}  // namespace

VskDocKeys::KeyRef VskDocKeys::Add(const QString& Tipo, std::int32_t Numero, std::int16_t Serie, std::int16_t Ano,
                                   const QString& sKey) {
    auto key = std::make_shared<VskDocKey>();
    key->Tipo(Tipo);
    key->Numero(Numero);
    key->Serie(Serie);
    key->Ano(Ano);
    keys_.Add(Variant(ObjectRef(key)), sKey);
    return key;
}

VskDocKeys::KeyRef VskDocKeys::Item(const Variant& vntIndexKey) const {
    return std::static_pointer_cast<VskDocKey>(keys_.Item(vntIndexKey).asObject());
}

QStringList VskDocKeys::memberNames() const {
    return {QStringLiteral("Add"), QStringLiteral("Item"), QStringLiteral("Count"), QStringLiteral("Remove"),
            QStringLiteral("NewEnum")};
}

Variant VskDocKeys::Invoke(const QString& name, std::vector<Variant>& args) {
    const auto is = [&name](const char* member) {
        return name.compare(QLatin1String(member), Qt::CaseInsensitive) == 0;
    };
    if (is("Add")) {
        requireArgs(args, 4, 5);
        const QString sKey = args.size() == 5 ? CStr(args[4]) : QString();
        return Variant(ObjectRef(Add(CStr(args[0]), CLng(args[1]), CInt(args[2]), CInt(args[3]), sKey)));
    }
    if (name.isEmpty() || is("Item")) {
        requireArgs(args, 1, 1);
        return Variant(ObjectRef(Item(args[0])));
    }
    if (is("Count")) {
        requireArgs(args, 0, 0);
        return Variant(Count());
    }
    if (is("Remove")) {
        requireArgs(args, 1, 1);
        Remove(args[0]);
        return Variant();
    }
    if (is("NewEnum")) {
        requireArgs(args, 0, 0);
        std::vector<Variant> keys;
        for (const KeyRef& k : *this) keys.emplace_back(ObjectRef(k));
        return Variant(ObjectRef(std::make_shared<VskDocKeysEnum>(std::move(keys))));
    }
    throw err::memberNotFound(Source);
}

}  // namespace tvx

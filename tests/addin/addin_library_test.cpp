// A host loading the add-in library: registration through its exports,
// "Telvarix.Solucao" created by name and its members called by name. The
// test program links the runtime and the fakes of the host, nothing of the
// add-in, and no special link option: it is the plain host a plug-in meets.
#include "platform/automation/class_registry.h"
#include "platform/automation/conversions.h"
#include "platform/automation/dispatch.h"
#include "support/fake_desktop.h"
#include "support/fake_host.h"

#include <dlfcn.h>
#include <gtest/gtest.h>

namespace tvx::testing {
namespace {

using Status = std::int32_t;
// The registration functions' answers, as the platform defines them.
namespace status {
constexpr Status Ok = 0;
constexpr Status False = 1;
constexpr Status Pointer = Status(0x80004003u);
constexpr Status ClassNotAvailable = Status(0x80040111u);
}  // namespace status

class AddinLibrary {
public:
    AddinLibrary() : handle_(dlopen(TELVARIX_ADDIN_LIBRARY, RTLD_NOW | RTLD_LOCAL)) {}
    ~AddinLibrary() {
        if (handle_) dlclose(handle_);
    }
    bool loaded() const { return handle_ != nullptr; }
    template <class F>
    F* function(const char* name) const {
        return reinterpret_cast<F*>(dlsym(handle_, name));
    }

private:
    void* handle_;
};

TEST(AddinLibraryTest, AHostRegistersTheLibraryAndCreatesSolucaoByName) {
    AddinLibrary library;
    ASSERT_TRUE(library.loaded()) << dlerror();
    auto* registerServer = library.function<Status()>("DllRegisterServer");
    auto* unregisterServer = library.function<Status()>("DllUnregisterServer");
    auto* getClassObject = library.function<Status(const char*, void**)>("DllGetClassObject");
    auto* canUnloadNow = library.function<Status()>("DllCanUnloadNow");
    ASSERT_TRUE(registerServer && unregisterServer && getClassObject && canUnloadNow);

    FakeHost host;
    auto desktop = std::make_shared<FakeDesktop>();
    registry::registerClass(ui::DesktopProgId, [desktop] { return desktop; });

    EXPECT_EQ(registerServer(), status::Ok);
    EXPECT_TRUE(registry::isRegistered(QStringLiteral("Telvarix.Solucao")));
    EXPECT_EQ(canUnloadNow(), status::Ok);
    {
        const auto solucao = std::dynamic_pointer_cast<Dispatch>(registry::create(QStringLiteral("telvarix.solucao")));
        ASSERT_NE(solucao, nullptr);
        EXPECT_EQ(solucao->memberNames().size(), 32);
        EXPECT_EQ(canUnloadNow(), status::False);

        std::vector<Variant> open{Variant("EMPR01"), Variant("joao")};
        EXPECT_EQ(CInt(solucao->Invoke(QStringLiteral("ConnectionOpen"), open)), -1);
        EXPECT_EQ(host.log.filter(QStringLiteral("Iniciar(")).size(), 1);
        // The library's own runs: the configuration editor finds no document types and says so.
        std::vector<Variant> op{Variant(), Variant(std::int32_t(1002)), Variant("joao")};
        solucao->Invoke(QStringLiteral("Operacoes"), op);
        ASSERT_EQ(desktop->messages_.calls().size(), 1u);
        EXPECT_EQ(desktop->messages_.last().title, QStringLiteral("pFrmPropBuild"));
        // An error of a hook comes back through the host's desktop.
        host.parametros.reset();
        std::vector<Variant> hook(5);
        solucao->Invoke(QStringLiteral("OnVistaVendasAbrir"), hook);
        ASSERT_EQ(desktop->messages_.calls().size(), 2u);
        EXPECT_EQ(desktop->messages_.last().title, QStringLiteral("OnVistaVendasAbrir"));
        std::vector<Variant> none;
        EXPECT_EQ(CInt(solucao->Invoke(QStringLiteral("ConnectionClose"), none)), -1);
    }
    EXPECT_EQ(canUnloadNow(), status::Ok);

    // The class factory handed out directly.
    void* factory = nullptr;
    ASSERT_EQ(getClassObject("Telvarix.Solucao", &factory), status::Ok);
    ASSERT_NE(factory, nullptr);
    EXPECT_NE(std::dynamic_pointer_cast<Dispatch>((*static_cast<const registry::ClassFactory*>(factory))()), nullptr);
    EXPECT_EQ(getClassObject("Telvarix.Nenhuma", &factory), status::ClassNotAvailable);
    EXPECT_EQ(factory, nullptr);
    EXPECT_EQ(getClassObject("Telvarix.Solucao", nullptr), status::Pointer);

    // The document keys, created by name and used late-bound, Item as the default member.
    const auto keys = std::dynamic_pointer_cast<Dispatch>(registry::create(QStringLiteral("Telvarix.VskDocKeys")));
    ASSERT_NE(keys, nullptr);
    std::vector<Variant> add{Variant("FT"), Variant(std::int32_t(12)), Variant(std::int16_t(1)),
                             Variant(std::int16_t(2024)), Variant("FT-12")};
    keys->Invoke(QStringLiteral("Add"), add);
    std::vector<Variant> byKey{Variant("FT-12")};
    const auto key = std::dynamic_pointer_cast<Dispatch>(keys->Invoke(QString(), byKey).asObject());
    ASSERT_NE(key, nullptr);
    std::vector<Variant> none;
    EXPECT_EQ(key->Invoke(QStringLiteral("Numero"), none), Variant(std::int32_t(12)));
    EXPECT_TRUE(registry::isRegistered(QStringLiteral("Telvarix.VskDocKey")));

    EXPECT_EQ(unregisterServer(), status::Ok);
    EXPECT_FALSE(registry::isRegistered(QStringLiteral("Telvarix.Solucao")));
    EXPECT_FALSE(registry::isRegistered(QStringLiteral("Telvarix.VskDocKeys")));
    registry::unregisterClass(ui::DesktopProgId);
}

}  // namespace
}  // namespace tvx::testing

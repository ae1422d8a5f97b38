#pragma once
// A host base folder in a temporary folder with the demo company EMPR01 on
// server SRV\INST, and the settings files the add-in would read.
#include "host_erp/company_files.h"
#include "host_erp/demo_company.h"
#include "host_erp/host_registration.h"
#include "host_erp/host_settings.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QTemporaryDir>

namespace tvx::host_erp::testing {

class HostFixture : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(base.isValid());
        settings->baseFolderSetting = base.path();
        settings->defaultServerSetting = QStringLiteral("SRV\\INST");
        registerHostClasses(settings);
        createDemoCompany(companyFile());
    }
    void TearDown() override { unregisterHostClasses(); }
    QString companyFile(const QString& catalogue = QStringLiteral("EMPR01")) const {
        return companyFilePath(base.path(), QStringLiteral("SRV\\INST"), catalogue);
    }
    // The connection string the add-in builds for a company.
    static QString addinConnectionString(const QString& catalogue = QStringLiteral("EMPR01")) {
        return QStringLiteral(
                   "Provider=MSDataShape;Data Provider=SQLOLEDB;Data Source=SRV\\INST;Initial Catalog=%1;"
                   "Integrated Security=SSPI;")
            .arg(catalogue);
    }
    // Writes a settings file in the platform's ANSI code page; returns its path.
    QString writeSettings(const QString& name, const QString& text) const {
        const QString path = base.filePath(name);
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write(text.toLatin1());
        return path;
    }

    QTemporaryDir base;
    // What the registered components read; a test may change it before it makes one.
    std::shared_ptr<HostSettings> settings = std::make_shared<HostSettings>();
};

}  // namespace tvx::host_erp::testing

#include "TestRig.h"

#include "settings/DemoImage.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>

#include <gtest/gtest.h>

TestRig::TestRig()
    : palette(QApplication::palette()) {
    programFolder = dir_.filePath("program");
    QDir().mkpath(programFolder);
    dataFolder = dir_.filePath("home/.local/share/ostrel-settings");
    lockFolder = dir_.filePath("runtime");
    QDir().mkpath(lockFolder);
}

QString TestRig::addVolume() {
    const QString path = dir_.filePath(QStringLiteral("volume%1").arg(++volumeCount_));
    QDir().mkpath(path);
    volumes.list.append(path);
    return path;
}

QString TestRig::addPlayer(const QByteArray& bytes, const QString& fileName) {
    const QString path = addVolume();
    writeFile(path + "/" + fileName, bytes);
    return path;
}

void TestRig::putBesideProgram(const QString& name, const QByteArray& bytes) {
    writeFile(programFolder + "/" + name, bytes);
}

PlayerWindow::PlayerWindow(const QByteArray& bytes, const std::function<void(TestRig&)>& prepare) {
    rig.addPlayer(bytes);
    if (prepare) {
        prepare(rig);
    }
    window = rig.startShown();
}

int PlayerWindow::byte(int offset) const {
    return window->image().byte(offset);
}

QByteArray PlayerWindow::bytes(int offset, int count) const {
    return window->image().fileBytes().mid(offset, count);
}

std::unique_ptr<Form1> TestRig::start() {
    auto window = std::make_unique<Form1>(
        Seams{volumes, messages, programFolder,
              UserFolders{{lockFolder, {}, {}, otherLocks, rootsRights}, dataFolder}, palette,
              &mounts, bus});
    if (!window->Form_Load()) {
        return nullptr;
    }
    return window;
}

std::unique_ptr<Form1> TestRig::startShown() {
    auto window = start();
    if (window != nullptr) {
        window->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }
    return window;
}

QByteArray validPlayerBytes() {
    return demoSettingsImage().fileBytes();
}

bool isReadOnly(const QString& path) {
    constexpr auto writeBits =
        QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
    return QFileInfo::exists(path) && (QFileInfo(path).permissions() & writeBits) == 0;
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    ASSERT_EQ(file.write(bytes), bytes.size());
}

void clickOption(QRadioButton* button) {
    QStyleOptionButton option;
    option.initFrom(button);
    const QRect indicator =
        button->style()->subElementRect(QStyle::SE_RadioButtonIndicator, &option, button);
    QTest::mouseClick(button, Qt::LeftButton, {}, indicator.center());
}

void doubleClick(QWidget* widget, QPoint at) {
    QTest::mouseClick(widget, Qt::LeftButton, {}, at);
    QTest::mouseDClick(widget, Qt::LeftButton, {}, at);
    QTest::mouseRelease(widget, Qt::LeftButton, {}, at);
}

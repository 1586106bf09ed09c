#include "engine/recognition/ModelSettings.h"
#include "engine/settings/FakeSettingsStore.h"

#include <gtest/gtest.h>

using namespace tav;

TEST(ModelSettings, ReadAtEachUseOutOfRangeAsTheDefaultAndSoundsFoundInAnyCase) {
    test::FakeSettingsStore store;
    TSettings settings(store);
    int serialMode = 2;
    bool logEnabled = true;
    TModelRecognitionSettings source(settings, serialMode, logEnabled);
    settings.SetInt("Tolerance", 40000);
    settings.SetInt("Skip first", -3);
    settings.SetInt("Recognition time out", 20);
    settings.SetBool("TCP/IP info send data", true);
    settings.SetBool("OSD show command", true);
    settings.SetSounds({{"Chime", "C:\\chime.wav"}});
    TRecognitionSettings read = source.Read();
    EXPECT_EQ(read.Compare.Tolerance, 10);
    EXPECT_EQ(read.Compare.SkipFirst, 0);
    EXPECT_EQ(RecognitionTimeOut(settings), 175);
    EXPECT_TRUE(read.Tcp.Data);
    EXPECT_TRUE(read.Osd.Command);
    EXPECT_EQ(read.SerialMode, 2);
    serialMode = 0;
    EXPECT_EQ(source.Read().SerialMode, 0) << "the main window's copy is read at each use";
    EXPECT_EQ(source.SoundFile("CHIME"), "C:\\chime.wav");
    EXPECT_EQ(source.SoundFile("Bell"), std::nullopt);
}

// The control identifiers of the main window, fixed so that a driver outside
// the program finds each control with GetDlgItem.
#pragma once

namespace tarnwick {

struct MainId {
    enum : int {
        gbGeneral = 100,
        lbSource,
        cbSource,
        lbSkill,
        cbSkill,
        lbPlayers,
        cbMaxplayers,
        lbPlayerclass,
        edtPlayerClass,
        lbWarp,
        edtMap,
        lbTeam,
        cbTeam,
        lbDemo,
        edtDemo,
        sbRecord,
        lbPlay,
        edtPlay,
        cbFast,
        sbDemo,
        lbParams,
        edtParams,

        gbFiles = 200,
        lbIWAD,
        cbIWAD,
        lblPWADS,
        cbPWADS,
        btnPwads,
        btnOdWads,
        btnWaddir,
        btnClrPwads,
        lbPwads,
        btnRmWAD,
        sbUp,
        sbDown,
        lbLoadGame,
        edtSave,
        sbSave,

        gbOptions = 300,
        lbGravity,
        edtGravity,
        lbAircontrol,
        sbAircontrol,
        stAircontrol,
        lbTeamdamage,
        sbTeamDamage,
        stTeamDamage,
        lbPercent,
        btnEDMF,

        gbMulti = 400,
        cbDeathmatch,
        cbTeamplay,
        cbp2p,
        cbBackup,
        lbUDP,
        edtUDP,
        lbRemote,
        edtRemote,
        lbFraglimit,
        seFraglimit,
        lbTimelimit,
        seTimelimit,
        Label1,
        Label4,
        sbDup,
        Label5,

        gbControl = 500,
        btnRun,
        btnSave,
        btnReset,
        btnExit,

        btnLoad = 600,
    };
};

} // namespace tarnwick

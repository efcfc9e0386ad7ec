"""Level 1, the house: every picture, sound and tune the level loads.

The pictures come from level1_world (the house, drawn from the committed
collision map), level1_sprites and level1_screens; the sounds and the ten
music-panel tunes from level1_audio.  The tunes are rendered in worker
processes while this process draws, so the pack stays quick to build.
"""

import concurrent.futures
import multiprocessing

import audio
import level1_audio as la
import level1_plan as plan
import level1_screens as sc
import level1_sprites as sp
import level1_world as lw
from common import out_path, save


def _write_track(outdir, i):
    stereo = la.compose(la.TRACKS[i])
    return audio.write_ogg(out_path(outdir, la.track_path(i)), stereo, serial=300 + i)


def _pictures(outdir):
    pieces = lw.load_pieces()
    written = [save(lw.world_picture(pieces), outdir, "lvl1/maja.png")]
    for rel, origin, size in plan.OCCLUDERS:
        written.append(save(lw.occluder_picture(rel, origin, size, pieces), outdir, rel, alpha=True))
    sprites = {
        "lvl1/player1z.png": sp.player_sheet(),
        "lvl1/misija.png": sp.mission_marker(),
        "lvl1/izeja.png": sp.exit_marker(),
        "lvl1/merkis.png": sp.drop_marker(),
        "lvl1/manta.png": sp.item_picture(),
        "lvl1/manta_izgaist.png": sp.delivery_frames(),
        "lvl1/rijamais.png": sp.bottle_picture(),
        "lvl1/pirdiens.png": sp.turbo_picture(),
        "lvl1/launums.png": sp.pest_walking(),
        "lvl1/launums_kirdik.png": sp.pest_knocked_out(),
        "lvl1/suds.png": sp.piles(),
        "lvl1/g.png": sp.gas_meter(),
        "lvl1/gaaze.png": sp.gas_cloud(),
        "lvl1/dzivibas.png": sp.need_bars(),
        "lvl1/interfc2.png": sc.hud_overlay(),
        "lvl1/mana_skaits_inf.png": sc.mission_panel(),
        "lvl1/turbo.png": sc.turbo_overlay(),
        "lvl1/eest.png": sc.warning("food"),
        "lvl1/tolete.png": sc.warning("toilet"),
        "lvl1/mp3.png": sc.music_panel(),
        "lvl1/krasns/kraasnsA.png": sc.stove_foreground(),
        "lvl1/krasns/deglis.png": sc.burner(),
        "lvl1/krasns/muha.png": sc.fly(),
        "lvl1/krasns/ugunsm.png": sc.flames(),
        "lvl1/pretsiena/bumba.png": sc.wallball_ball(),
        "lvl1/pretsiena/kuka.png": sc.cockroach(),
        "lvl1/pretsiena/info.png": sc.wallball_counter(),
        "lvl1/pods/shit.png": sc.potty_marker(),
        "lvl1/pods/target.png": sc.potty_target(),
    }
    for rel, img in sprites.items():
        written.append(save(img, outdir, rel, alpha=True))
    # full-screen pictures drawn opaque
    pages = {
        "lvl1/karte.png": sc.map_screen(pieces),
        "lvl1/i.png": sc.info_screen(),
        "lvl1/bads.png": sc.notice("hunger"),
        "lvl1/laiks_beidzas.png": sc.notice("time"),
        "lvl1/krasns/kraasnsB.png": sc.stove_background(),
        "lvl1/krasns/intro.png": sc.stove_intro(),
        "lvl1/pretsiena/fons.png": sc.wallball_background(),
        "lvl1/pretsiena/intro.png": sc.wallball_intro(),
        "lvl1/pods/fons.jpg": sc.potty_background(),
    }
    for rel, img in pages.items():
        written.append(save(img, outdir, rel))
    return written


def generate(outdir):
    ctx = multiprocessing.get_context("fork")
    with concurrent.futures.ProcessPoolExecutor(max_workers=2, mp_context=ctx) as pool:
        tracks = [pool.submit(_write_track, outdir, i) for i in range(len(la.TRACKS))]
        written = [audio.write_wav(out_path(outdir, rel), make(), channels=2)
                   for rel, make in la.SOUNDS.items()]
        written += _pictures(outdir)
        written += [t.result() for t in tracks]
    return written

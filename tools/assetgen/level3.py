"""Level 3, the small town: every picture and sound the level and its
mini-games load (the ten music tracks and the sounds shared with earlier
levels come from those levels' modules).

The town and the race track are big pictures, so the work is split into
independent jobs run side by side in worker processes.  The town is drawn
from the committed collision map `lvl3/col3.txt` (see level3_plan).
"""

import concurrent.futures
import os

from common import save


def _save_all(outdir, pictures):
    """pictures: (relative path, image, keeps its alpha)."""
    return [save(img, outdir, rel, alpha=alpha) for rel, img, alpha in pictures]


def town_job(outdir):
    import level3_look as lk
    import level3_plan as plan
    import level3_screens as sc
    import level3_sprites as sp
    import level3_town as tw
    recs = plan.records()
    world = tw.world_picture(recs)
    props = tw.props(recs)
    written = [lk.save_big(world, outdir, "lvl3/lvl3.png")]
    written += _save_all(outdir, [(rel, img, True) for rel, img in props.items()])
    town = tw.town_with_props(world, props)
    del world
    written.append(save(sc.map_screen(town, sp.markers()), outdir, "lvl3/karte.png"))
    return written


def race_job(outdir):
    import level3_look as lk
    import level3_race as rc
    track = rc.track_picture()
    written = [lk.save_big(track, outdir, "lvl3/Mini/gonka/fons.png")]
    written += _save_all(outdir, [
        ("lvl3/Mini/gonka/intro.png", rc.race_intro(track), False),
        ("lvl3/Mini/gonka/punktvaacis.png", rc.checkpoint_marker(), True),
        ("lvl3/Mini/gonka/niva.png", rc.car_sheet(), True),
    ])
    return written


def world_bits_job(outdir):
    import level3_screens as sc
    import level3_sprites as sp
    markers = sp.markers()
    pictures = [("lvl3/player3.png", sp.player_sheet(), True)]
    pictures += [(rel, img, True) for rel, img in markers.items()]
    pictures += [
        ("lvl3/suds.png", sp.piles(), True),
        ("lvl3/lifebar.png", sp.need_bars(), False),
        ("lvl3/interfc3.png", sc.hud_overlay(), True),
        ("lvl3/mp3.png", sc.music_panel(), True),
        ("lvl3/dialog.png", sc.dialog_box(), True),
        ("lvl3/bads.png", sc.hunger_notice(), False),
        ("lvl3/infoBC.png", sc.notice_board(), False),
        ("lvl3/i.png", sc.info_screen(markers), False),
        ("lvl3/beigas.png", sc.closing_picture(), False),
        ("lvl3/pods/fons.jpg", sc.potty_background(), False),
        ("lvl3/pods/shit.png", sc.potty_marker(), True),
        ("lvl3/pods/target.png", sc.potty_target(), True),
    ]
    return _save_all(outdir, pictures)


def minigames_job(outdir):
    import level3_minigames as mg
    fight = "lvl3/Mini/sitveci/"
    pictures = [
        (fight + "fons.png", mg.fight_background(), False),
        (fight + "intro.png", mg.fight_intro(), False),
        (fight + "dziviba.png", mg.life_bar(), False),
    ]
    for part in mg.BODY_PARTS:
        pictures.append((f"{fight}{part[0]}1.png", mg.target_overlay(part), True))
        pictures.append((f"{fight}{part[0]}2.png", mg.hit_overlay(part), True))
    shop = "lvl3/Mini/veikals/"
    pictures += [
        (shop + "fons.png", mg.shop_background(), False),
        (shop + "intro.png", mg.shop_intro(), False),
        (shop + "grozs.png", mg.basket(), True),
        (shop + "pudele.png", mg.bottle(), True),
    ]
    hunt = "lvl3/Mini/medibas/"
    pictures += [
        (hunt + "fons.png", mg.hunt_background(), False),
        (hunt + "intro.png", mg.hunt_intro(), False),
        (hunt + "merkis.png", mg.sight(), True),
        (hunt + "putns.png", mg.bird(1), True),
        (hunt + "putns2.png", mg.bird(-1), True),
        (hunt + "putns_kirdik.png", mg.falling_birds(), True),
        (hunt + "info.png", mg.counter_panel(), True),
    ]
    return _save_all(outdir, pictures)


def tuning_job(outdir):
    import level3_tuning as tu
    pictures = [
        ("lvl3/Tuning/loading.png", tu.loading_picture(), False),
        ("lvl3/Tuning/tune1.png", tu.garage_screen(), False),
        ("lvl3/Tuning/select.png", tu.highlight(), True),
        ("lvl3/Tuning/Mosis/fons.png", tu.tuning_screen(), False),
    ]
    pictures += [(tu.part_path(row, k), tu.part_overlay(row, k), True) for row, k in tu.all_parts()]
    return _save_all(outdir, pictures)


def audio_job(outdir):
    import level3_audio
    return level3_audio.generate(outdir)


# the two big pictures first, so the small jobs fill in beside them
JOBS = [town_job, race_job, tuning_job, minigames_job, world_bits_job, audio_job]


def generate(outdir):
    workers = max(1, min(2, os.cpu_count() or 1))
    with concurrent.futures.ProcessPoolExecutor(max_workers=workers) as pool:
        futures = [pool.submit(job, outdir) for job in JOBS]
        written = []
        for f in futures:
            written += f.result()
    return written

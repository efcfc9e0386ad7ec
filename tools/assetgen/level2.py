"""Level 2, the farmstead: the world picture and everything drawn over it,
the sprites, markers, HUD and pages, the mini-games and the sounds.

The pictures are built from the committed collision map (data/lvl2/col2.txt
in the source tree), so walls are drawn where the player is stopped.  The
world is by far the biggest job, so the work is split into independent
jobs run side by side on the machine's cores; the map, made from the world
and its overlays, runs once both are written.  The ten music tracks are
shared with level 1 and written by its module.
"""

import concurrent.futures
import multiprocessing
import os

from PIL import Image

from common import save


def _world_job(outdir):
    import level2_world
    return [save(level2_world.world_picture(), outdir, "lvl2/10gadi.png")]


def _overlays_job(outdir):
    import level2_overlays
    return [save(img, outdir, rel, alpha=True) for rel, img in level2_overlays.all_overlays()]


def _map_job(outdir):
    """The map screen: the written world with its overlays, scaled down."""
    import level2_pictures
    import level2_plan as plan
    composite = Image.open(os.path.join(outdir, "lvl2/10gadi.png")).convert("RGBA")
    for rel, pos, _, _ in plan.OVERLAYS:
        composite.alpha_composite(Image.open(os.path.join(outdir, rel)).convert("RGBA"), pos)
    return [save(level2_pictures.map_page(composite), outdir, "lvl2/karte.png")]


def _pictures_job(outdir):
    import level2_pictures
    return [save(img, outdir, rel, alpha=alpha) for rel, img, alpha in level2_pictures.pictures()]


def _minigames_job(outdir):
    import level2_minigames
    return [save(img, outdir, rel, alpha=alpha) for rel, img, alpha in level2_minigames.pictures()]


def _audio_job(outdir):
    import level2_audio
    return level2_audio.generate(outdir)


# The map needs the first two; the rest stand alone.
FIRST = [_world_job, _overlays_job]
OTHERS = [_pictures_job, _minigames_job, _audio_job]


def generate(outdir):
    workers = max(1, min(2, os.cpu_count() or 1))
    if workers == 1:
        return [path for job in FIRST + OTHERS + [_map_job] for path in job(outdir)]
    ctx = multiprocessing.get_context("fork")
    with concurrent.futures.ProcessPoolExecutor(workers, mp_context=ctx) as pool:
        first = [pool.submit(job, outdir) for job in FIRST]
        others = [pool.submit(job, outdir) for job in OTHERS]
        written = [path for f in first for path in f.result()]
        last = pool.submit(_map_job, outdir)
        written += [path for f in others for path in f.result()]
        written += last.result()
    return written

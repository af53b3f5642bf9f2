"""The two shipped looks. Graphite: cool slate with a cyan accent and soft rounded shapes.
Ember: warm near-black with an orange accent, squarer shapes and filled tabs."""

from raster import rgb


class Theme:
    def __init__(self, **fields):
        self.__dict__.update(fields)


GRAPHITE = Theme(
    folder="Graphite",
    bg_top=rgb("#1c2129"), bg_bottom=rgb("#0d1014"),
    title_top=rgb("#2a313c"), title_bottom=rgb("#191d24"),
    left_top=rgb("#161a20"), left_bottom=rgb("#101317"),
    panel_top=rgb("#1d232c"), panel_bottom=rgb("#151920"), panel_border=rgb("#2e3642"),
    well=rgb("#0e1115"), well_border=rgb("#262d37"),
    line=rgb("#3a4452"),
    btn_top=rgb("#333b47"), btn_bottom=rgb("#232932"), btn_border=rgb("#434d5b"),
    accent=rgb("#2ec5ff"), accent2=rgb("#6b7bff"), good=rgb("#3ddc84"), danger=rgb("#ff4d5a"),
    knob_top=rgb("#e9eef5"), knob_bottom=rgb("#9aa5b4"),
    icon=rgb("#b8c2d0"), dim=rgb("#56606e"),
    radius_window=14, radius_panel=10, radius_button=7, radius_knob=6,
    filled_tabs=False,
    scene_tint=rgb("#10202c"),
    speaker_radius=110,
    weave=False,
)

EMBER = Theme(
    folder="Ember",
    bg_top=rgb("#1d1614"), bg_bottom=rgb("#0b0808"),
    title_top=rgb("#2c201c"), title_bottom=rgb("#160f0e"),
    left_top=rgb("#1a1312"), left_bottom=rgb("#0f0b0a"),
    panel_top=rgb("#211816"), panel_bottom=rgb("#150f0e"), panel_border=rgb("#4a2e25"),
    well=rgb("#0c0807"), well_border=rgb("#3a2520"),
    line=rgb("#5a3a30"),
    btn_top=rgb("#3a2a25"), btn_bottom=rgb("#241917"), btn_border=rgb("#5c3d33"),
    accent=rgb("#ff6a2b"), accent2=rgb("#ffc247"), good=rgb("#ffc247"), danger=rgb("#ff3b3b"),
    knob_top=rgb("#ffe3c4"), knob_bottom=rgb("#b0806a"),
    icon=rgb("#e0c6b8"), dim=rgb("#6a5048"),
    radius_window=6, radius_panel=3, radius_button=3, radius_knob=2,
    filled_tabs=True,
    scene_tint=rgb("#2a120a"),
    speaker_radius=96,
    weave=True,
)

THEMES = [GRAPHITE, EMBER]

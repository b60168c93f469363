// A posed figure drawn in one picture: every triangle with the texture, colour and lighting
// the caller chose, no skins, no reflections, no held-back queue (a fighter turned to stone).
#include "engine/engine.h"

#include "engine/engine_local.h"

#include <GL/gl.h>

void model_draw_plain(const ModelPlacement *placement, const Model *model)
{
    if (!placement || !model || !model->polygons || !model->pos || !model->normals)
        return;
    const f32 pos[3] = {placement->pos_x, placement->pos_y, placement->pos_z};
    const f32 angles[3] = {placement->rot_x, placement->rot_y, placement->heading};
    placement_apply(pos, angles);
    for (int i = 0; i < model->polygon_count; i++) {
        const Polygon *polygon = &model->polygons[i];
        if (polygon->corner[0] >= model->vertex_count || polygon->corner[1] >= model->vertex_count ||
            polygon->corner[2] >= model->vertex_count)
            continue;
        polygon_culling(polygon);
        glBegin(GL_TRIANGLES);
        for (int c = 0; c < 3; c++) {
            const u16 vertex = polygon->corner[c];
            glTexCoord2f(polygon->tex_uv[2 * c], polygon->tex_uv[2 * c + 1]);
            glNormal3fv(model->normals[vertex]);
            glVertex3fv(model->pos[vertex]);
        }
        glEnd();
    }
}
